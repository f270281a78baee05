#include "search/probe_scan.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "base/text.h"

namespace {

// Every available kind of scan finds the same first hit as the plain loop, for probes
// at various offsets, on texts long enough to run through each vector loop.
TEST(ProbeScanTest, EveryKindAgreesWithScalar) {
  const char alphabet[] = {'x', 'a', 'A', '@', '`', '\x81', '\xC1', '\xE1'};
  std::uint32_t seed = 5;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
  };
  for (ProbeScanKind kind : {ProbeScanKind::sse2, ProbeScanKind::avx2}) {
    if (!probeScanAvailable(kind)) continue;
    for (int round = 0; round < 3000; ++round) {
      Text text;
      int length = 1 + next() % 300;
      for (int i = 0; i < length; ++i) text.push_back(next() % 9 ? 'x' : alphabet[next() % 8]);
      std::size_t firstAt = next() % 4, secondAt = firstAt + next() % 4;
      if (secondAt >= text.size()) continue;
      ProbePair probes{firstAt, secondAt, ProbeByte(alphabet[next() % 8]),
                       ProbeByte(alphabet[next() % 8])};
      std::size_t end = text.size() - secondAt;
      std::size_t from = next() % (end + 1);
      ASSERT_EQ(findProbePairUsing(kind, text, from, end, probes),
                findProbePairUsing(ProbeScanKind::scalar, text, from, end, probes))
          << static_cast<int>(kind) << " " << testing::PrintToString(text);
    }
  }
}

TEST(ProbeByteTest, LettersMatchEitherCaseOthersExactly) {
  EXPECT_TRUE(ProbeByte('a').matches('A'));
  EXPECT_TRUE(ProbeByte('A').matches('a'));
  EXPECT_FALSE(ProbeByte('a').matches('b'));
  EXPECT_FALSE(ProbeByte('@').matches('`'));  // 0x40 and 0x60 differ by the case bit only
  EXPECT_FALSE(ProbeByte('[').matches('{'));
  EXPECT_TRUE(ProbeByte('\xC1').matches('\xC1'));
  EXPECT_FALSE(ProbeByte('\xC1').matches('\xE1'));
}

}  // namespace
