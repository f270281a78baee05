#pragma once
// Conversions between code page 936 (GBK), UTF-8 and GB2312. The Windows build uses the
// code page functions, the native build iconv; both give the results described here.

#include <string_view>

#include "base/text.h"

// GBK text as UTF-8; empty when the conversion fails. The result ends at its first NUL.
Text toUtf8(std::string_view gbk);

// UTF-8 as GBK: each invalid byte, and each UTF-16 unit of a character GBK lacks,
// becomes "?". The result ends at its first NUL.
Text utf8ToGbk(std::string_view utf8);

// UTF-8 as GB2312 (in its GBK bytes), all or nothing: invalid UTF-8, or any character
// outside GB2312, gives the empty text.
Text utf8ToGb2312(std::string_view utf8);
