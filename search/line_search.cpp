#include "search/line_search.h"

#include <algorithm>
#include <utility>

#include "base/text_rules.h"
#include "search/probe_scan.h"

namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

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
// character starts; two of its bytes filter the candidates.
class QueryScanner {
 public:
  // Filters on the first and last bytes.
  explicit QueryScanner(std::string_view query)
      : QueryScanner(query, std::pair<std::size_t, std::size_t>(0, query.size() - 1)) {}
  // Filters on the query's rarest bytes in a text of these byte frequencies.
  QueryScanner(std::string_view query, const ByteFrequencies& frequencies)
      : QueryScanner(query, rarestOffsets(query, frequencies)) {}

  std::size_t next(std::string_view text, std::size_t from) const {
    if (from >= text.size() || text.size() - from < query_.size()) return kNotFound;
    const std::size_t end = text.size() - query_.size() + 1;  // candidates lie below this
    for (std::size_t at = findProbePair(text, from, end, probes_); at < end;
         at = findProbePair(text, at + 1, end, probes_)) {
      if (equalsIgnoringCase(text.substr(at, query_.size()), query_)) return at;
    }
    return kNotFound;
  }

 private:
  QueryScanner(std::string_view query, std::pair<std::size_t, std::size_t> offsets)
      : query_(query),
        probes_{offsets.first, offsets.second, ProbeByte(query[offsets.first]),
                ProbeByte(query[offsets.second])} {}

  std::string_view query_;
  ProbePair probes_;
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
