#include "search/line_search.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/text_rules.h"

namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

// One byte of the query as the candidate scan compares it: letters match either case.
struct ProbeByte {
  unsigned char value;
  unsigned char caseBit;  // 0x20 for letters, else 0

  explicit ProbeByte(char c) {
    unsigned char lower = static_cast<unsigned char>(c) | 0x20;
    bool letter = lower >= 'a' && lower <= 'z';
    value = letter ? lower : static_cast<unsigned char>(c);
    caseBit = letter ? 0x20 : 0;
  }
  bool matches(char c) const { return (static_cast<unsigned char>(c) | caseBit) == value; }
};

// Finds offsets where the query matches byte for byte (folded), whether or not they are
// character starts: first and last query bytes filter sixteen offsets at a time.
class QueryScanner {
 public:
  explicit QueryScanner(std::string_view query)
      : query_(query), first_(query.front()), last_(query.back()) {}

  std::size_t next(std::string_view text, std::size_t from) const {
    const std::size_t size = query_.size();
    if (from >= text.size() || text.size() - from < size) return kNotFound;
    const std::size_t end = text.size() - size + 1;  // candidates lie below this
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i firstValue = _mm_set1_epi8(static_cast<char>(first_.value));
    const __m128i firstCase = _mm_set1_epi8(static_cast<char>(first_.caseBit));
    const __m128i lastValue = _mm_set1_epi8(static_cast<char>(last_.value));
    const __m128i lastCase = _mm_set1_epi8(static_cast<char>(last_.caseBit));
    const char* data = text.data();
    for (; i + 16 <= end; i += 16) {
      __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
      __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + size - 1));
      __m128i both = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(head, firstCase), firstValue),
                                   _mm_cmpeq_epi8(_mm_or_si128(tail, lastCase), lastValue));
      unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(both));
      while (mask) {
        std::size_t candidate = i + __builtin_ctz(mask);
        if (equalsAt(text, candidate)) return candidate;
        mask &= mask - 1;
      }
    }
#endif
    for (; i < end; ++i) {
      if (first_.matches(text[i]) && last_.matches(text[i + size - 1]) && equalsAt(text, i)) {
        return i;
      }
    }
    return kNotFound;
  }

 private:
  bool equalsAt(std::string_view text, std::size_t offset) const {
    return equalsIgnoringCase(text.substr(offset, query_.size()), query_);
  }

  std::string_view query_;
  ProbeByte first_;
  ProbeByte last_;
};

MatchList firstNonEmptyLines(const Bank& bank) {
  MatchList matches{};
  std::size_t found = 0;
  for (int number = 1; number <= bank.lines.count() && found < matches.size(); ++number) {
    if (!bank.line(number).empty()) matches[found++] = number;
  }
  return matches;
}

}  // namespace

bool lineContains(std::string_view line, std::string_view query) {
  if (query.empty()) return !line.empty();
  CharacterStarts starts(line);
  QueryScanner scanner(query);
  for (std::size_t at = scanner.next(line, 0); at != kNotFound; at = scanner.next(line, at + 1)) {
    if (starts.isStart(at)) return true;
  }
  return false;
}

MatchList searchBank(const Bank& bank, std::string_view query) {
  if (query.empty()) return firstNonEmptyLines(bank);
  MatchList matches{};
  std::size_t found = 0;
  std::string_view text = bank.text;
  CharacterStarts starts(text);
  QueryScanner scanner(query);
  // Later matches change nothing, so the scan stops at the twentieth.
  std::size_t from = 0;
  while (found < matches.size()) {
    std::size_t at = scanner.next(text, from);
    if (at == kNotFound) break;
    if (!starts.isStart(at)) {
      from = at + 1;
      continue;
    }
    int number = bank.lines.lineAt(at);
    if (at + query.size() <= bank.lines.lineEnd(number)) {
      matches[found++] = number;
      from = bank.lines.lineStart(number + 1);  // each line counts once
    } else {
      from = at + 1;  // the match runs into the line's CR LF
    }
  }
  return matches;
}
