// The conversions through iconv, for the native build.

#include <iconv.h>

#include <string>

#include "base/code_pages.h"
#include "base/gb2312_table.h"
#include "base/utf8.h"

namespace {

// Converts the whole input with iconv; false on any failure.
bool convertAll(const char* to, const char* from, std::string_view input, std::string& output) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  output.assign(input.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  bool done = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) &&
              iconv(converter, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  output.resize(output.size() - outLeft);
  return done;
}

Text upToNul(Text text) {
  text.resize(text.find('\0') == Text::npos ? text.size() : text.find('\0'));
  return text;
}

}  // namespace

Text toUtf8(std::string_view gbk) {
  Text utf8;
  if (!convertAll("UTF-8", "CP936", gbk, utf8)) return {};
  return upToNul(utf8);
}

Text utf8ToGbk(std::string_view utf8) {
  bool valid;
  Text gbk;
  for (char32_t codePoint : decodeUtf8(utf8, false, valid)) {
    if (codePoint < 0x80) {
      gbk.push_back(static_cast<char>(codePoint));
      continue;
    }
    std::string converted;
    std::u32string one(1, codePoint);
    std::string_view bytes(reinterpret_cast<const char*>(one.data()), 4);
    // Like the Windows conversion, a character beyond U+FFFF is two "?", one per
    // UTF-16 unit.
    if (!convertAll("CP936", "UTF-32LE", bytes, converted)) converted = codePoint > 0xFFFF ? "??" : "?";
    gbk += converted;
  }
  return upToNul(gbk);
}

Text utf8ToGb2312(std::string_view utf8) {
  Text gb2312;
  return convertAll("GB2312", "UTF-8", utf8, gb2312) ? gb2312 : Text();
}
