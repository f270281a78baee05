#include "base/text_rules.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/support/case_table.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

// "\x81\x41" is one GBK character whose second byte is the letter A;
// "\x81\x5C" one whose second byte is a backslash.
constexpr char kLeadA[] = "\x81\x41";
constexpr char kLeadBackslash[] = "\x81\x5C";
constexpr char kFullSpace[] = "\xA1\xA1";

struct FindCase {
  const char* name;
  Text text;
  Text part;
  int start;
  bool ignoreCase;
  int expected;
};

class FindTextTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsOnCharacterStartsOnly) {
  const FindCase& c = GetParam();
  EXPECT_EQ(findText(c.text, c.part, c.start, c.ignoreCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindTextTest,
    testing::Values(
        FindCase{"FirstByteIsOne", "abc", "a", 1, false, 1},
        FindCase{"Middle", "abcabc", "ca", 1, false, 3},
        FindCase{"Missing", "abc", "d", 1, false, -1},
        FindCase{"EmptyPartFindsNothing", "abc", "", 1, false, -1},
        FindCase{"EmptyText", "", "a", 1, false, -1},
        FindCase{"StartSkipsEarlier", "abcabc", "a", 2, false, 4},
        FindCase{"StartAtMatch", "abcabc", "a", 4, false, 4},
        FindCase{"StartBelowOneIsBeginning", "abc", "a", -5, false, 1},
        FindCase{"StartZeroIsBeginning", "abc", "a", 0, false, 1},
        FindCase{"StartPastEnd", "abc", "a", 5, false, -1},
        FindCase{"StartJustPastEnd", "abc", "c", 4, false, -1},
        FindCase{"CaseMattersByDefault", "ABC", "b", 1, false, -1},
        FindCase{"IgnoringCase", "xABC", "bc", 1, true, 3},
        FindCase{"IgnoringCaseBothWays", "xabc", "BC", 1, true, 3},
        FindCase{"NoMatchOnSecondByte", Text(kLeadA) + "A", "A", 1, false, 3},
        FindCase{"NoMatchOnSecondByteAlone", kLeadA, "A", 1, false, -1},
        FindCase{"NoMatchOnSecondByteIgnoringCase", Text(kLeadA) + "xa", "a", 1, true, 4},
        FindCase{"BackslashTrailIsNotASeparator", Text("a") + kLeadBackslash + "\\", "\\", 1,
                 false, 4},
        FindCase{"StartOnSecondByteMovesToNextCharacter", Text(kLeadA) + "A", "A", 2, false, 3},
        FindCase{"ChineseInChinese", "题库文件", "文件", 1, false, 5},
        FindCase{"HalfOfAPairIsNoCharacter", "\xB0\xA1\xB0\xA1", "\xA1\xB0", 1, false, -1},
        FindCase{"CutOffLeadAtEnd", "ab\x81", "\x81", 1, false, 3},
        FindCase{"PairsCountedFromTextStart", "\xB0\xA1\xA1\xA1\xA1\xA1", kFullSpace, 1, false,
                 3},
        FindCase{"FoldsTrailBytesToo", "\x81\x61", "\x81\x41", 1, true, 1}),
    caseName);

TEST(FindLastTextTest, FindsLastOccurrenceOnCharacterStart) {
  EXPECT_EQ(findLastText("a:b:c", ":"), 4);
  EXPECT_EQ(findLastText("abc", ":"), -1);
  EXPECT_EQ(findLastText("", ":"), -1);
  EXPECT_EQ(findLastText("a:b", ""), -1);
  // The last "A" is the second byte of a character; the one before is a letter.
  EXPECT_EQ(findLastText(Text("A") + kLeadA, "A"), 1);
  EXPECT_EQ(findLastText("aXbx", "x", true), 4);
}

struct ReplaceCase {
  const char* name;
  Text text, from, to, expected;
};

class ReplaceTextTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextTest, ReplacesEveryWholeOccurrence) {
  const ReplaceCase& c = GetParam();
  EXPECT_EQ(replaceText(c.text, c.from, c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplaceTextTest,
    testing::Values(ReplaceCase{"All", "a#引号b#引号", "#引号", "\"", "a\"b\""},
                    ReplaceCase{"None", "abc", "x", "y", "abc"},
                    ReplaceCase{"CaseSensitive", "aXa", "x", "y", "aXa"},
                    ReplaceCase{"EmptyFromChangesNothing", "abc", "", "y", "abc"},
                    ReplaceCase{"NotOnSecondByte", Text(kLeadA) + "A", "A", "b", Text(kLeadA) + "b"},
                    ReplaceCase{"NonOverlapping", "aaa", "aa", "b", "ba"},
                    ReplaceCase{"ToEmpty", "a b c", " ", "", "abc"}),
    caseName);

struct SpaceCase {
  const char* name;
  Text text, trimmed, withoutSpaces;
};

class SpacesTest : public testing::TestWithParam<SpaceCase> {};

TEST_P(SpacesTest, TrimsAndRemovesHalfAndFullWidthSpaces) {
  const SpaceCase& c = GetParam();
  EXPECT_EQ(trimSpaces(c.text), c.trimmed);
  EXPECT_EQ(removeSpaces(c.text), c.withoutSpaces);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpacesTest,
    testing::Values(
        SpaceCase{"Empty", "", "", ""}, SpaceCase{"OnlySpaces", "  ", "", ""},
        SpaceCase{"HalfWidth", "  a b  ", "a b", "ab"},
        SpaceCase{"FullWidth", Text(kFullSpace) + "题 库" + kFullSpace, "题 库", "题库"},
        SpaceCase{"Mixed", Text(" ") + kFullSpace + " a" + kFullSpace + "b " + kFullSpace,
                  Text("a") + kFullSpace + "b", "ab"},
        SpaceCase{"TabsCrLfStay", "\t a\r\n ", "\t a\r\n", "\ta\r\n"},
        // B0 A1 is one character, so the A1 A1 that follows it is the only space.
        SpaceCase{"TrailByteA1IsNoSpace", "\xB0\xA1\xA1\xA1", "\xB0\xA1", "\xB0\xA1"},
        SpaceCase{"SpaceAfterLeadIsTrail", "a\x81 ", "a\x81 ", "a\x81 "},
        SpaceCase{"CutOffLeadAtEnd", " a\xA1", "a\xA1", "a\xA1"},
        SpaceCase{"CutOffFullSpaceAtEnd", "a \xA1", "a \xA1", "a\xA1"}),
    caseName);

struct SplitCase {
  const char* name;
  Text text, separator;
  std::vector<Text> pieces;
};

class SplitTextTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTest, KeepsInnerEmptyPiecesDropsTrailingOne) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(splitText(c.text, c.separator), c.pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitTextTest,
    testing::Values(SplitCase{"EmptyTextNoPieces", "", ";", {}},
                    SplitCase{"NoSeparator", "abc", ";", {"abc"}},
                    SplitCase{"Two", "a;b", ";", {"a", "b"}},
                    SplitCase{"TrailingSeparatorDropsEmptyPiece", "a;b;", ";", {"a", "b"}},
                    SplitCase{"InnerEmptyPieceKept", "a;;b", ";", {"a", "", "b"}},
                    SplitCase{"LeadingEmptyPieceKept", ";a", ";", {"", "a"}},
                    SplitCase{"OnlySeparator", ";", ";", {""}},
                    SplitCase{"TwoSeparators", ";;", ";", {"", ""}},
                    SplitCase{"MultiByteSeparator", "a\r\nb\r\n", "\r\n", {"a", "b"}},
                    SplitCase{"EmptySeparatorWholeText", "abc", "", {"abc"}},
                    SplitCase{"NotOnSecondByte", Text(kLeadBackslash) + "\\x", "\\",
                              {kLeadBackslash, "x"}},
                    SplitCase{"ChineseSeparator", "甲，乙，丙", "，", {"甲", "乙", "丙"}}),
    caseName);

struct IntCase {
  const char* name;
  Text text;
  int value;
};

class TextToIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(TextToIntTest, ReadsLeadingDecimal) {
  EXPECT_EQ(textToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToIntTest,
    testing::Values(IntCase{"Digit", "5", 5}, IntCase{"Empty", "", 0},
                    IntCase{"NotANumber", "x5", 0}, IntCase{"LeadingSpaces", "  42x", 42},
                    IntCase{"Negative", "-7", -7}, IntCase{"Plus", "+7", 7},
                    IntCase{"FullWidthDigits", "\xA3\xB3\xA3\xB1", 31},
                    IntCase{"FullWidthMinus", "\xA3\xAD\xA3\xB2", -2},
                    IntCase{"FullWidthSpaceSkipped", "\xA1\xA1" "8", 8},
                    IntCase{"ChineseStops", "3题", 3}, IntCase{"Huge", "99999999999", INT_MAX},
                    IntCase{"HugeNegative", "-99999999999", INT_MIN}),
    caseName);

TEST(CharacterStartsTest, AgreesWithForwardWalk) {
  // Every mix of ASCII, lead bytes and cut-off leads up to eight bytes long.
  const char alphabet[] = {'a', '\x81', '\xA1', '\x41'};
  for (int length = 0; length <= 8; ++length) {
    int combinations = 1 << (2 * length);
    for (int code = 0; code < combinations; ++code) {
      Text text;
      for (int i = 0; i < length; ++i) text.push_back(alphabet[(code >> (2 * i)) & 3]);
      CharacterStarts starts(text);
      std::size_t next = 0;
      for (std::size_t offset = 0; offset < text.size(); ++offset) {
        bool expected = offset == next;
        if (expected) next += characterLength(text, offset);
        ASSERT_EQ(starts.isStart(offset), expected) << "offset " << offset << " in " << code;
      }
    }
  }
}

}  // namespace

namespace {

// The program's texts are written in UTF-8 and compiled to code page 936 bytes.
TEST(LiteralEncodingTest, ChineseLiteralsAreGbkBytes) {
  EXPECT_EQ(Text("澄川"), "\xB3\xCE\xB4\xA8");
  EXPECT_EQ(Text("：，！。；？"), "\xA3\xBA\xA3\xAC\xA3\xA1\xA1\xA3\xA3\xBB\xA3\xBF");
  EXPECT_EQ(Text("　"), kFullSpace);
  EXPECT_EQ(Text("华丽的分割线"), "\xBB\xAA\xC0\xF6\xB5\xC4\xB7\xD6\xB8\xEE\xCF\xDF");
}

}  // namespace
