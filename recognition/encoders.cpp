#include "recognition/encoders.h"

#include <array>

#include "base/code_pages.h"

namespace {

constexpr char kBase64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kHexDigits[] = "0123456789ABCDEF";

constexpr std::array<bool, 256> kUnreserved = [] {
  std::array<bool, 256> unreserved{};
  for (int c = 0; c < 256; ++c) {
    unreserved[c] = c == '-' || c == '.' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                    (c >= 'a' && c <= 'z');
  }
  return unreserved;
}();

}  // namespace

Text base64Encode(const Bytes& bytes) {
  Text text((bytes.size() + 2) / 3 * 4, '=');
  char* out = text.data();
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3, out += 4) {
    std::uint32_t group = bytes[i] << 16 | bytes[i + 1] << 8 | bytes[i + 2];
    out[0] = kBase64Alphabet[group >> 18];
    out[1] = kBase64Alphabet[(group >> 12) & 63];
    out[2] = kBase64Alphabet[(group >> 6) & 63];
    out[3] = kBase64Alphabet[group & 63];
  }
  std::size_t rest = bytes.size() - i;
  if (rest > 0) {  // the padding "=" is already in place
    std::uint32_t group = bytes[i] << 16 | (rest == 2 ? bytes[i + 1] << 8 : 0);
    out[0] = kBase64Alphabet[group >> 18];
    out[1] = kBase64Alphabet[(group >> 12) & 63];
    if (rest == 2) out[2] = kBase64Alphabet[(group >> 6) & 63];
  }
  return text;
}

Text urlEncode(const Text& text, bool keepUnreserved, bool utf8First) {
  if (text.empty()) return {};
  const Text converted = utf8First ? toUtf8(text) : Text();
  const Text& bytes = utf8First ? converted : text;
  Text encoded(bytes.size() * 3, '\0');
  char* out = encoded.data();
  for (char c : bytes) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (keepUnreserved && kUnreserved[byte]) {
      *out++ = c;
    } else {
      out[0] = '%';
      out[1] = kHexDigits[byte >> 4];
      out[2] = kHexDigits[byte & 15];
      out += 3;
    }
  }
  encoded.resize(out - encoded.data());
  return encoded;
}
