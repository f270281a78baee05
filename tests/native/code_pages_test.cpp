// One table for both builds: iconv natively, the Windows code page functions under Wine.

#include "base/code_pages.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

struct Gb2312Case {
  const char* name;
  Text utf8;
  Text gb2312;  // empty: refused
};

class Utf8ToGb2312Test : public testing::TestWithParam<Gb2312Case> {};

TEST_P(Utf8ToGb2312Test, AllOrNothing) {
  EXPECT_EQ(utf8ToGb2312(GetParam().utf8), GetParam().gb2312);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8ToGb2312Test,
    testing::Values(Gb2312Case{"Ascii", "abc<x>\r\n", "abc<x>\r\n"},
                    Gb2312Case{"Empty", "", ""},
                    Gb2312Case{"Chinese", "\xE4\xB8\xAD\xE6\x96\x87", "\xD6\xD0\xCE\xC4"},
                    Gb2312Case{"FullWidthPunctuation", "\xEF\xBC\x9A", "\xA3\xBA"},
                    Gb2312Case{"HorizontalBar", "\xE2\x80\x95", "\xA1\xAA"},
                    Gb2312Case{"EmojiRefused", "a\xF0\x9F\x98\x80", ""},
                    Gb2312Case{"GbkOnlyCharacterRefused", "\xE9\x95\x95", ""},
                    Gb2312Case{"InvalidByteRefused", "a\xFF", ""},
                    Gb2312Case{"CutOffSequenceRefused", "a\xE4\xB8", ""},
                    Gb2312Case{"OverlongRefused", "\xC0\xAF", ""},
                    Gb2312Case{"EncodedSurrogateRefused", "\xED\xA0\x80", ""},
                    Gb2312Case{"LatinOutsideRefused", "\xC3\x9F", ""}),
    caseName);

struct ConversionCase {
  const char* name;
  Text input, output;
};

class GbkToUtf8Test : public testing::TestWithParam<ConversionCase> {};

TEST_P(GbkToUtf8Test, Converts) { EXPECT_EQ(toUtf8(GetParam().input), GetParam().output); }

INSTANTIATE_TEST_SUITE_P(Table, GbkToUtf8Test,
                         testing::Values(ConversionCase{"Ascii", "a+b/c=", "a+b/c="},
                                         ConversionCase{"Empty", "", ""},
                                         ConversionCase{"Chinese", "中", "\xE4\xB8\xAD"},
                                         ConversionCase{"GbkOnly", "\xE9\x46", "\xE9\x95\x95"}),
                         caseName);

class Utf8ToGbkTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(Utf8ToGbkTest, UnrepresentableBecomesQuestionMark) {
  EXPECT_EQ(utf8ToGbk(GetParam().input), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8ToGbkTest,
    testing::Values(ConversionCase{"Ascii", "{\"a\":1}", "{\"a\":1}"},
                    ConversionCase{"Empty", "", ""},
                    ConversionCase{"Chinese", "\xE4\xB8\xAD\xE6\x96\x87", "中文"},
                    ConversionCase{"GbkOnly", "\xE9\x95\x95", "\xE9\x46"},
                    ConversionCase{"EmojiOnePerUtf16Unit", "a\xF0\x9F\x98\x80" "b", "a??b"},
                    ConversionCase{"OutsideGbk", "\xE0\xB8\x81", "?"},
                    ConversionCase{"InvalidByte", "a\xFF" "b", "a?b"},
                    ConversionCase{"EndsAtNul", std::string("a\0b", 3), "a"}),
    caseName);

}  // namespace
