#pragma once
// The text rules shared by the search, the HTTP text operations and the JSON paths.
//
// Positions count bytes from 1; a search that finds nothing gives -1; a start
// position below 1 means the beginning. Searches step over two-byte characters
// (a byte of 0x80 or above and the byte after it) and never match from a second
// byte. Case folding, where asked for, folds the ASCII letters only, byte by byte.

#include <cstddef>
#include <string_view>
#include <vector>

#include "base/text.h"

// Tells whether byte offsets (0-based) are character starts, for offsets given in
// non-decreasing order. Linear over a whole pass however many offsets are asked.
class CharacterStarts {
 public:
  explicit CharacterStarts(std::string_view text) : text_(text) {}
  bool isStart(std::size_t offset);

 private:
  std::string_view text_;
  std::size_t known_ = 0;  // an offset known to be a character start
};

// Bytes in the character starting at offset: 2 for a lead byte with a byte after
// it, else 1 (a lead byte cut off at the end stands alone).
inline std::size_t characterLength(std::string_view text, std::size_t offset) {
  return isLeadByte(text[offset]) && offset + 1 < text.size() ? 2 : 1;
}

inline char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c; }
Text toLowerAscii(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Position of the first occurrence of part at or after start, or -1.
// The empty part is found nowhere.
int findText(std::string_view text, std::string_view part, int start = 1,
             bool ignoreCase = false);
// Position of the last occurrence of part, or -1.
int findLastText(std::string_view text, std::string_view part, bool ignoreCase = false);

// Every occurrence of from replaced by to, left to right, exact case.
Text replaceText(std::string_view text, std::string_view from, std::string_view to);

// Removes half-width spaces and full-width spaces (A1 A1) at both ends; not tabs, CR or LF.
Text trimSpaces(std::string_view text);
// Removes every half-width and full-width space.
Text removeSpaces(std::string_view text);

// The pieces between separators, empty ones included, except an empty piece after
// the last separator. The empty text gives no pieces; an empty separator gives the
// whole text as one piece.
std::vector<Text> splitText(std::string_view text, std::string_view separator);

// Reads a decimal integer: full-width forms (A3 A1..A3 FE) count as their ASCII
// characters and A1 A1 as a space; leading white space is skipped, then an optional
// sign and the digits up to the first non-digit. No digits give 0; values beyond
// the 32-bit range are held at its ends.
int textToInt(std::string_view text);
