// The conversions through the Windows code page functions. Wine has no code page 20936,
// so GB2312 is checked against its character table.

#include <windows.h>

#include <string>

#include "base/code_pages.h"
#include "base/gb2312_table.h"

namespace {

std::wstring toWide(UINT codePage, DWORD flags, std::string_view text) {
  if (text.empty()) return {};
  int units = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()),
                                  nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(units, L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), wide.data(),
                      units);
  return wide;
}

Text fromWide(UINT codePage, DWORD flags, const std::wstring& wide) {
  if (wide.empty()) return {};
  int bytes = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                  nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  Text text(bytes, '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), text.data(),
                      bytes, nullptr, nullptr);
  return text;
}

Text upToNul(Text text) {
  text.resize(text.find('\0') == Text::npos ? text.size() : text.find('\0'));
  return text;
}

}  // namespace

Text toUtf8(std::string_view gbk) { return upToNul(fromWide(CP_UTF8, 0, toWide(936, 0, gbk))); }

Text utf8ToGbk(std::string_view utf8) {
  return upToNul(fromWide(936, WC_COMPOSITECHECK, toWide(CP_UTF8, 0, utf8)));
}

Text utf8ToGb2312(std::string_view utf8) {
  std::wstring wide = toWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
  if (wide.empty() != utf8.empty()) return {};
  Text gb2312;
  gb2312.reserve(wide.size() * 2);
  for (wchar_t unit : wide) {
    if (unit < 0x80) {
      gb2312.push_back(static_cast<char>(unit));
      continue;
    }
    std::uint16_t bytes = gb2312Bytes(unit);  // surrogates are never in the table
    if (bytes == 0) return {};
    gb2312.push_back(static_cast<char>(bytes >> 8));
    gb2312.push_back(static_cast<char>(bytes & 0xFF));
  }
  return gb2312;
}
