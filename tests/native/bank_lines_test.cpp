#include "search/bank_lines.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

struct SplitCase {
  const char* name;
  Text text;
  std::vector<std::string_view> lines;
};

class SplitLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, SplitsAtCrLfOnCharacterStarts) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(splitLines(c.text), c.lines);
  LineIndex index(c.text);
  ASSERT_EQ(index.count(), static_cast<int>(c.lines.size()));
  for (int n = 1; n <= index.count(); ++n) EXPECT_EQ(index.line(c.text, n), c.lines[n - 1]);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitLinesTest,
    testing::Values(
        SplitCase{"Empty", "", {}}, SplitCase{"OneLine", "q1", {"q1"}},
        SplitCase{"FinalCrLfAddsNoLine", "q1\r\n", {"q1"}},
        SplitCase{"OnlyCrLf", "\r\n", {""}}, SplitCase{"TwoCrLf", "\r\n\r\n", {"", ""}},
        SplitCase{"EmptyLineCounts", "q1\r\n\r\nq2\r\n", {"q1", "", "q2"}},
        SplitCase{"LoneCrAndLfStay", "a\rb\nc\r\nd", {"a\rb\nc", "d"}},
        SplitCase{"LfCrIsNoBreak", "a\n\rb", {"a\n\rb"}},
        // 0x81 0x0D is one character, so the LF after it breaks nothing.
        SplitCase{"CrAsSecondByte", "a\x81\r\nb", {"a\x81\r\nb"}},
        SplitCase{"CrAfterWholeCharacter", "\x81\x41\r\nb", {"\x81\x41", "b"}},
        SplitCase{"LfFirst", "\nx", {"\nx"}}, SplitCase{"CutOffLead", "a\r\n\x81", {"a", "\x81"}},
        SplitCase{"Chinese", "题目\r\n答案", {"题目", "答案"}}),
    caseName);

TEST(LineIndexTest, OutOfRangeLinesAreEmpty) {
  Bank bank;
  bank.assign("a\r\nb");
  EXPECT_EQ(bank.line(0), "");
  EXPECT_EQ(bank.line(-3), "");
  EXPECT_EQ(bank.line(3), "");
  EXPECT_EQ(bank.line(2), "b");
}

TEST(LineIndexTest, LineAtMapsEveryOffsetToItsLine) {
  Text text = "ab\r\n\r\ncd\r\n";
  LineIndex index(text);
  const int expected[] = {1, 1, 1, 1, 2, 2, 3, 3, 3, 3};
  for (std::size_t offset = 0; offset < text.size(); ++offset) {
    EXPECT_EQ(index.lineAt(offset), expected[offset]) << offset;
  }
}

// The splitting rule as written: scan characters, break at CR LF on a character start.
std::vector<Text> referenceLines(const Text& text) {
  std::vector<Text> lines;
  Text piece;
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, 2, "\r\n") == 0) {
      lines.push_back(piece);
      piece.clear();
      i += 2;
    } else {
      std::size_t length = isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
      piece.append(text, i, length);
      i += length;
    }
  }
  if (!piece.empty()) lines.push_back(piece);
  return lines;
}

TEST(SplitLinesTest, AgreesWithTheRuleOnRandomTexts) {
  const char alphabet[] = {'a', '\r', '\n', '\x81', '\xB0'};
  std::uint32_t seed = 12345;
  for (int round = 0; round < 20000; ++round) {
    Text text;
    int length = round % 13;
    for (int i = 0; i < length; ++i) {
      seed = seed * 1103515245u + 12345u;
      text.push_back(alphabet[(seed >> 16) % 5]);
    }
    std::vector<std::string_view> lines = splitLines(text);
    std::vector<Text> expected = referenceLines(text);
    ASSERT_EQ(std::vector<Text>(lines.begin(), lines.end()), expected) << testing::PrintToString(text);
  }
}

}  // namespace
