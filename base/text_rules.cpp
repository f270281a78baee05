#include "base/text_rules.h"

#include <algorithm>
#include <climits>

bool CharacterStarts::isStart(std::size_t offset) {
  // A byte below 0x80 always ends a character, so offset starts one exactly when
  // the run of high bytes before it, back to such a byte or a known start, is even.
  std::size_t runStart = offset;
  while (runStart > known_ && isLeadByte(text_[runStart - 1])) --runStart;
  bool start = (offset - runStart) % 2 == 0;
  known_ = start ? offset : offset + 1;
  return start;
}

Text toLowerAscii(std::string_view text) {
  Text lower(text);
  for (char& c : lower) c = foldAscii(c);
  return lower;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return foldAscii(x) == foldAscii(y);
         });
}

namespace {

// Offset of the next occurrence of part at or after from, ignoring character starts.
std::size_t nextCandidate(std::string_view text, std::string_view part, std::size_t from,
                          bool ignoreCase) {
  if (!ignoreCase) return text.find(part, from);
  const char first = foldAscii(part[0]);
  for (std::size_t i = from; i + part.size() <= text.size(); ++i) {
    if (foldAscii(text[i]) == first && equalsIgnoringCase(text.substr(i, part.size()), part)) {
      return i;
    }
  }
  return std::string_view::npos;
}

// Offset of the next occurrence that begins on a character start, or npos.
std::size_t nextMatch(std::string_view text, std::string_view part, std::size_t from,
                      bool ignoreCase, CharacterStarts& starts) {
  while (from + part.size() <= text.size()) {
    std::size_t candidate = nextCandidate(text, part, from, ignoreCase);
    if (candidate == std::string_view::npos) break;
    if (starts.isStart(candidate)) return candidate;
    from = candidate + 1;
  }
  return std::string_view::npos;
}

bool isHalfWidthSpace(std::string_view text, std::size_t offset) { return text[offset] == ' '; }

bool isFullWidthSpace(std::string_view text, std::size_t offset) {
  return offset + 1 < text.size() && text[offset] == '\xA1' && text[offset + 1] == '\xA1';
}

// Bytes of the space character at offset (1 or 2), or 0 when it is no space.
std::size_t spaceLength(std::string_view text, std::size_t offset) {
  if (isHalfWidthSpace(text, offset)) return 1;
  if (isFullWidthSpace(text, offset)) return 2;
  return 0;
}

}  // namespace

int findText(std::string_view text, std::string_view part, int start, bool ignoreCase) {
  if (part.empty()) return -1;
  std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (from > text.size()) return -1;
  CharacterStarts starts(text);
  std::size_t found = nextMatch(text, part, from, ignoreCase, starts);
  return found == std::string_view::npos ? -1 : static_cast<int>(found + 1);
}

int findLastText(std::string_view text, std::string_view part, bool ignoreCase) {
  if (part.empty()) return -1;
  CharacterStarts starts(text);
  std::size_t last = std::string_view::npos;
  for (std::size_t found = nextMatch(text, part, 0, ignoreCase, starts);
       found != std::string_view::npos;
       found = nextMatch(text, part, found + 1, ignoreCase, starts)) {
    last = found;
  }
  return last == std::string_view::npos ? -1 : static_cast<int>(last + 1);
}

Text replaceText(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return Text(text);
  Text result;
  CharacterStarts starts(text);
  std::size_t done = 0;
  for (std::size_t found = nextMatch(text, from, 0, false, starts);
       found != std::string_view::npos;
       found = nextMatch(text, from, done, false, starts)) {
    result.append(text.substr(done, found - done)).append(to);
    done = found + from.size();
  }
  result.append(text.substr(done));
  return result;
}

Text trimSpaces(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t space = spaceLength(text, begin);
    if (space == 0) break;
    begin += space;
  }
  // The end is found walking forward, so that only whole characters are looked at.
  std::size_t end = begin;
  for (std::size_t i = begin; i < text.size();) {
    std::size_t space = spaceLength(text, i);
    i += space ? space : characterLength(text, i);
    if (space == 0) end = i;
  }
  return Text(text.substr(begin, end - begin));
}

Text removeSpaces(std::string_view text) {
  Text result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t space = spaceLength(text, i);
    if (space) {
      i += space;
      continue;
    }
    std::size_t length = characterLength(text, i);
    result.append(text.substr(i, length));
    i += length;
  }
  return result;
}

std::vector<Text> splitText(std::string_view text, std::string_view separator) {
  std::vector<Text> pieces;
  if (text.empty()) return pieces;
  if (separator.empty()) return {Text(text)};
  CharacterStarts starts(text);
  std::size_t pieceStart = 0;
  for (std::size_t found = nextMatch(text, separator, 0, false, starts);
       found != std::string_view::npos;
       found = nextMatch(text, separator, pieceStart, false, starts)) {
    pieces.emplace_back(text.substr(pieceStart, found - pieceStart));
    pieceStart = found + separator.size();
  }
  if (pieceStart < text.size()) pieces.emplace_back(text.substr(pieceStart));
  return pieces;
}

int textToInt(std::string_view text) {
  // Full-width forms read as their ASCII counterparts.
  Text ascii;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = characterLength(text, i);
    if (length == 2) {
      unsigned char trail = static_cast<unsigned char>(text[i + 1]);
      if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        ascii.push_back(static_cast<char>(trail - 0x80));
      } else if (lead == 0xA1 && trail == 0xA1) {
        ascii.push_back(' ');
      } else {
        ascii.append(text.substr(i, 2));
      }
    } else {
      ascii.push_back(text[i]);
    }
    i += length;
  }
  std::size_t i = 0;
  while (i < ascii.size() && (ascii[i] == ' ' || (ascii[i] >= '\t' && ascii[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
  long long value = 0;
  for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i) {
    value = std::min<long long>(value * 10 + (ascii[i] - '0'), static_cast<long long>(INT_MAX) + 1);
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
