#include "base/utf8.h"

namespace {

// Length and value of the valid sequence at offset, or 0 when there is none.
std::size_t sequenceAt(std::string_view text, std::size_t offset, char32_t& value) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[offset + i]); };
  unsigned char lead = byte(0);
  std::size_t length;
  char32_t minimum;
  if (lead < 0x80) {
    value = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (offset + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    value = value << 6 | (byte(i) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::u32string decodeUtf8(std::string_view text, bool strict, bool& valid) {
  std::u32string codePoints;
  codePoints.reserve(text.size());
  valid = true;
  for (std::size_t i = 0; i < text.size();) {
    char32_t value;
    std::size_t length = sequenceAt(text, i, value);
    if (length == 0) {
      valid = false;
      if (strict) return {};
      codePoints.push_back(kReplacementCharacter);
      ++i;
    } else {
      codePoints.push_back(value);
      i += length;
    }
  }
  return codePoints;
}
