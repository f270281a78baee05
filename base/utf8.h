#pragma once
// Reading UTF-8 into code points.

#include <string>
#include <string_view>

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code points of the text. Without strict, each byte that does not begin a valid
// sequence (overlong, surrogate, beyond U+10FFFF, cut off) becomes U+FFFD; with strict
// such a byte makes the whole result empty and sets valid to false.
std::u32string decodeUtf8(std::string_view text, bool strict, bool& valid);
