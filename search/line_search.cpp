#include "search/line_search.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <utility>

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

// Offsets in the query of its two rarest bytes by the given frequencies (one offset
// twice for a one-byte query); letters count in both cases.
std::pair<std::size_t, std::size_t> rarestOffsets(std::string_view query,
                                                  const ByteFrequencies& frequencies) {
  auto frequency = [&](char c) {
    ProbeByte probe(c);
    std::uint64_t count = frequencies[probe.value];
    if (probe.caseBit) count += frequencies[probe.value ^ 0x20];
    return count;
  };
  std::size_t rarest = 0;
  for (std::size_t i = 1; i < query.size(); ++i) {
    if (frequency(query[i]) < frequency(query[rarest])) rarest = i;
  }
  std::size_t second = rarest == 0 ? query.size() - 1 : 0;
  for (std::size_t i = 0; i < query.size(); ++i) {
    if (i != rarest && frequency(query[i]) < frequency(query[second])) second = i;
  }
  return std::minmax(rarest, second);
}

// Finds offsets where the query matches byte for byte (folded), whether or not they are
// character starts: two of its bytes filter sixteen offsets at a time.
class QueryScanner {
 public:
  // Filters on the first and last bytes.
  explicit QueryScanner(std::string_view query) : QueryScanner(query, std::pair<std::size_t, std::size_t>(0, query.size() - 1)) {}
  // Filters on the query's rarest bytes in a text of these byte frequencies.
  QueryScanner(std::string_view query, const ByteFrequencies& frequencies)
      : QueryScanner(query, rarestOffsets(query, frequencies)) {}

  std::size_t next(std::string_view text, std::size_t from) const {
    const std::size_t size = query_.size();
    if (from >= text.size() || text.size() - from < size) return kNotFound;
    const std::size_t end = text.size() - size + 1;  // candidates lie below this
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i firstValue = _mm_set1_epi8(static_cast<char>(first_.value));
    const __m128i firstCase = _mm_set1_epi8(static_cast<char>(first_.caseBit));
    const __m128i secondValue = _mm_set1_epi8(static_cast<char>(second_.value));
    const __m128i secondCase = _mm_set1_epi8(static_cast<char>(second_.caseBit));
    const char* data = text.data();
    auto candidates = [&](std::size_t at) {
      __m128i at1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + firstAt_));
      __m128i at2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + secondAt_));
      return _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(at1, firstCase), firstValue),
                           _mm_cmpeq_epi8(_mm_or_si128(at2, secondCase), secondValue));
    };
    for (; i + 16 <= end; i += 16) {
      // Four blocks are tested together while none holds a candidate.
      while (i + 64 <= end) {
        __m128i any = _mm_or_si128(_mm_or_si128(candidates(i), candidates(i + 16)),
                                   _mm_or_si128(candidates(i + 32), candidates(i + 48)));
        if (_mm_movemask_epi8(any)) break;
        i += 64;
      }
      if (i + 16 > end) break;
      unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(candidates(i)));
      while (mask) {
        std::size_t candidate = i + __builtin_ctz(mask);
        if (equalsAt(text, candidate)) return candidate;
        mask &= mask - 1;
      }
    }
#endif
    for (; i < end; ++i) {
      if (first_.matches(text[i + firstAt_]) && second_.matches(text[i + secondAt_]) &&
          equalsAt(text, i)) {
        return i;
      }
    }
    return kNotFound;
  }

 private:
  QueryScanner(std::string_view query, std::pair<std::size_t, std::size_t> probeOffsets)
      : query_(query),
        firstAt_(probeOffsets.first),
        secondAt_(probeOffsets.second),
        first_(query[firstAt_]),
        second_(query[secondAt_]) {}

  bool equalsAt(std::string_view text, std::size_t offset) const {
    return equalsIgnoringCase(text.substr(offset, query_.size()), query_);
  }

  std::string_view query_;
  std::size_t firstAt_;
  std::size_t secondAt_;
  ProbeByte first_;
  ProbeByte second_;
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
  QueryScanner scanner(query, bank.frequencies);
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
