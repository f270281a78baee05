#include "search/line_search.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

struct ContainsCase {
  const char* name;
  Text line;
  Text query;
  bool contained;
};

class LineContainsTest : public testing::TestWithParam<ContainsCase> {};

TEST_P(LineContainsTest, FoldsAsciiAndMatchesOnCharacterStarts) {
  const ContainsCase& c = GetParam();
  EXPECT_EQ(lineContains(c.line, c.query), c.contained);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineContainsTest,
    testing::Values(
        ContainsCase{"Upper", "xABCx", "abc", true}, ContainsCase{"Mixed", "aBc", "abc", true},
        ContainsCase{"QueryUpper", "abc", "ABC", true},
        ContainsCase{"EmptyQueryNonEmptyLine", "a", "", true},
        ContainsCase{"EmptyQueryEmptyLine", "", "", false},
        ContainsCase{"LeadingSpaceMatters", "abc", " abc", false},
        ContainsCase{"LeadingSpaceFound", "x abc", " abc", true},
        ContainsCase{"TrailingSpaceMatters", "abc", "abc ", false},
        ContainsCase{"NoMatchOnSecondByte", "\x81\x41", "A", false},
        ContainsCase{"NoMatchOnSecondByteFolded", "\x81\x61", "a", false},
        ContainsCase{"SecondByteFoldedInsideCharacter", "\x81\x61", "\x81\x41", true},
        ContainsCase{"LeadByteAloneMatchesAtStart", "\xB0\xA1", "\xB0", true},
        ContainsCase{"FullWidthNotNormalised", "\xA3\xC1", "A", false},
        ContainsCase{"PunctuationNotFolded", "[", "{", false},
        ContainsCase{"ChineseQuery", "我国的首都是哪座城市？", "首都", true},
        ContainsCase{"LongerThanLine", "ab", "abc", false}),
    caseName);

Bank bankOf(const Text& text) {
  Bank bank;
  bank.assign(text);
  return bank;
}

MatchList listOf(std::initializer_list<std::int32_t> numbers) {
  MatchList list{};
  std::copy(numbers.begin(), numbers.end(), list.begin());
  return list;
}

struct SearchCase {
  const char* name;
  Text bank;
  Text query;
  MatchList expected;
};

class SearchBankTest : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchBankTest, ListsFirstMatchingLinesInOrder) {
  const SearchCase& c = GetParam();
  EXPECT_EQ(searchBank(bankOf(c.bank), c.query), c.expected);
}

Text numberedLines(int count, const Text& word) {
  Text text;
  for (int i = 1; i <= count; ++i) text += word + std::to_string(i) + "\r\n";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SearchBankTest,
    testing::Values(
        SearchCase{"NoBank", "", "a", listOf({})},
        SearchCase{"NoMatch", "abc\r\ndef", "x", listOf({})},
        SearchCase{"CaseFolded", "ABC\r\nx\r\naBc", "abc", listOf({1, 3})},
        SearchCase{"EmptyLineCounted", "q1\r\n\r\nq2\r\n", "q2", listOf({3})},
        SearchCase{"QueryWithCrLfMatchesNothing", "a\r\nb", "a\r\nb", listOf({})},
        SearchCase{"QueryEndingInCrDoesNotTakeTheBreak", "ab\r\ncd", "b\r", listOf({})},
        SearchCase{"QueryStartingWithLfDoesNotTakeTheBreak", "ab\r\ncd", "\ncd", listOf({})},
        SearchCase{"LoneCrIsPartOfTheLine", "a\rb\r\nc", "a\rb", listOf({1})},
        SearchCase{"EmptyQueryNonEmptyLines", "a\r\n\r\nb\r\n\r\n", "", listOf({1, 3})},
        SearchCase{"LineCountedOnce", "aaaa\r\na", "a", listOf({1, 2})},
        SearchCase{"LastLineWithoutCrLf", "x\r\nya", "a", listOf({2})},
        SearchCase{"SecondByteNeverMatched", "\x81\x41\r\nA", "a", listOf({2})},
        SearchCase{"TwentyOfTwentyFive", numberedLines(25, "q"), "q",
                   listOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                           20})},
        SearchCase{"EmptyQueryFirstTwenty", numberedLines(30, "\r\nq"), "",
                   listOf({2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36,
                           38, 40})}),
    caseName);

// Every line tested on its own with the containment rule must give the same list as
// the whole-bank scan, on texts made to hit character and line boundaries: short ones
// with many matches, and long ones of mostly filler that run through the vector loops.
struct RandomTexts {
  const char* name;
  std::string_view alphabet;
  int maxTextLength;
};

class SearchBankRandomTest : public testing::TestWithParam<RandomTexts> {};

TEST_P(SearchBankRandomTest, AgreesWithLineByLineContainment) {
  const RandomTexts& c = GetParam();
  std::uint32_t seed = 99;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
  };
  const std::string_view queryAlphabet = "aAb\r\n\x81\xB0 ";
  for (int round = 0; round < 5000; ++round) {
    Text text, query;
    for (int i = 0, n = next() % c.maxTextLength; i < n; ++i) {
      text.push_back(c.alphabet[next() % c.alphabet.size()]);
    }
    for (int i = 0, n = next() % 4; i < n; ++i) {
      query.push_back(queryAlphabet[next() % queryAlphabet.size()]);
    }
    Bank bank = bankOf(text);
    MatchList expected{};
    std::size_t found = 0;
    for (int n = 1; n <= bank.lines.count() && found < expected.size(); ++n) {
      if (lineContains(bank.line(n), query)) expected[found++] = n;
    }
    ASSERT_EQ(searchBank(bank, query), expected)
        << testing::PrintToString(text) << " / " << testing::PrintToString(query);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SearchBankRandomTest,
    testing::Values(RandomTexts{"Short", "aAb\r\n\x81\xB0 ", 40},
                    RandomTexts{"LongSparse", "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxaAb\r\n\x81\xB0 ", 400}),
    caseName);

TEST(SearchBankTest, FindsMatchesPastTheVectorBlocks) {
  // Matches sit at every offset modulo 16 around block ends and at the very end.
  for (int pad = 0; pad < 40; ++pad) {
    Text text(pad, 'x');
    text += "\xB0\xA1Key\r\n" + Text(pad, 'y') + "key";
    MatchList expected = listOf({1, 2});
    EXPECT_EQ(searchBank(bankOf(text), "KEY"), expected) << pad;
    EXPECT_EQ(searchBank(bankOf(text), "\xA1K"), listOf({})) << pad;
  }
}

}  // namespace
