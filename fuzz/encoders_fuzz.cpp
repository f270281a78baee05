// The Base64 and URL encoders: lengths and alphabets on any bytes.

#include "fuzz/fuzz_input.h"
#include "recognition/encoders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes bytes(data, data + size);
  Text base64 = base64Encode(bytes);
  FUZZ_CHECK(base64.size() == (size + 2) / 3 * 4);
  for (char c : base64) {
    FUZZ_CHECK((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '+' || c == '/' || c == '=');
  }
  Text text(bytes.begin(), bytes.end());
  Text encoded = urlEncode(text, false, false);
  FUZZ_CHECK(encoded.size() == 3 * size);
  Text kept = urlEncode(text, true, false);
  FUZZ_CHECK(kept.size() >= size && kept.size() <= 3 * size);
  for (char c : urlEncode(base64, true, false)) FUZZ_CHECK(c != '+' && c != '/' && c != '=');
  return 0;
}
