#pragma once
// The candidate filter of the line search: positions where two chosen query bytes
// stand at their offsets, letters matching in either case.

#include <cstddef>
#include <string_view>

// One query byte as the filter compares it: letters match either case.
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

struct ProbePair {
  std::size_t firstAt, secondAt;  // offsets in the query
  ProbeByte first, second;
};

enum class ProbeScanKind { scalar, sse2, avx2 };

// Whether this build and processor can run that kind of scan.
bool probeScanAvailable(ProbeScanKind kind);

// The first position p in [from, end) where text[p + firstAt] and text[p + secondAt]
// match their probes, or end. The caller keeps end + secondAt <= text.size().
// Uses the widest vectors the processor offers (SSE2 at least on x86).
std::size_t findProbePair(std::string_view text, std::size_t from, std::size_t end,
                          const ProbePair& probes);

// The same with a chosen kind of scan, which must be available.
std::size_t findProbePairUsing(ProbeScanKind kind, std::string_view text, std::size_t from,
                               std::size_t end, const ProbePair& probes);
