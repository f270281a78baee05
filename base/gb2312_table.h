#pragma once
// The GB2312 character set: which characters it holds and their two bytes.

#include <cstdint>

// The character's two GB2312 (EUC-CN) bytes, lead byte high; 0 when GB2312 lacks it.
// ASCII is not in the table: it stands for itself.
std::uint16_t gb2312Bytes(char32_t codePoint);
