#include "recognition/encoders.h"

#include "base/code_pages.h"

namespace {

constexpr char kBase64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isUnreserved(unsigned char c) {
  return c == '-' || c == '.' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

}  // namespace

Text base64Encode(const Bytes& bytes) {
  Text text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    std::uint32_t group = bytes[i] << 16 | bytes[i + 1] << 8 | bytes[i + 2];
    text += kBase64Alphabet[group >> 18];
    text += kBase64Alphabet[(group >> 12) & 63];
    text += kBase64Alphabet[(group >> 6) & 63];
    text += kBase64Alphabet[group & 63];
  }
  std::size_t rest = bytes.size() - i;
  if (rest > 0) {
    std::uint32_t group = bytes[i] << 16 | (rest == 2 ? bytes[i + 1] << 8 : 0);
    text += kBase64Alphabet[group >> 18];
    text += kBase64Alphabet[(group >> 12) & 63];
    text += rest == 2 ? kBase64Alphabet[(group >> 6) & 63] : '=';
    text += '=';
  }
  return text;
}

Text urlEncode(const Text& text, bool keepUnreserved, bool utf8First) {
  if (text.empty()) return {};
  const Text bytes = utf8First ? gbkToUtf8(text) : text;
  Text encoded;
  encoded.reserve(bytes.size() * 3);
  for (char c : bytes) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (keepUnreserved && isUnreserved(byte)) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHexDigits[byte >> 4];
      encoded += kHexDigits[byte & 15];
    }
  }
  return encoded;
}
