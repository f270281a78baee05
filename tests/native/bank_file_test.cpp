#include "search/bank_file.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

struct PathCase {
  const char* name;
  Text path;
  Text extension;
  bool accepted;
};

class PathExtensionTest : public testing::TestWithParam<PathCase> {};

TEST_P(PathExtensionTest, FollowsTheShellRule) {
  const PathCase& c = GetParam();
  EXPECT_EQ(pathExtension(c.path), c.extension);
  EXPECT_EQ(isBankPath(c.path), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PathExtensionTest,
    testing::Values(
        PathCase{"Txt", "Z:\\tmp\\bank.txt", ".txt", true},
        PathCase{"UpperCaseRefused", "Z:\\tmp\\bank.TXT", ".TXT", false},
        PathCase{"Backup", "Z:\\tmp\\bank.txt.bak", ".bak", false},
        PathCase{"None", "Z:\\tmp\\bank", "", false},
        PathCase{"SpaceBeforeExtension", "C:\\my bank.txt", ".txt", true},
        PathCase{"SpaceAfterDot", "C:\\a.b c", "", false},
        PathCase{"DotInFolder", "C:\\dir.txt\\bank", "", false},
        PathCase{"TrailingDot", "bank.", ".", false},
        PathCase{"ChineseName", "Z:\\题库\\题库.txt", ".txt", true},
        // 0x5C as the second byte of a character is no backslash.
        PathCase{"TrailBackslash", "a.txt\x81\x5C", ".txt\x81\x5C", false},
        PathCase{"TrailBackslashBeforeName", "a.\x81\x5C.txt", ".txt", true},
        PathCase{"SeveralFilesRefused", "Z:\\a.txt\r\nZ:\\b.txt\r\n", ".txt\r\n", false}),
    caseName);

TEST(BankExtentTest, EndsAtFirstNulOrSubstitute) {
  using namespace std::string_literals;
  EXPECT_EQ(bankExtent("abc"s), "abc");
  EXPECT_EQ(bankExtent("ab\0cd"s), "ab");
  EXPECT_EQ(bankExtent("ab\x1A" "cd\0"s), "ab");
  EXPECT_EQ(bankExtent("\x1A" "abc"s), "");
  EXPECT_EQ(bankExtent(""s), "");
}

TEST(DroppedFilesTextTest, OnePathAsItIsSeveralEachWithCrLf) {
  EXPECT_EQ(droppedFilesText({"Z:\\a.txt"}), "Z:\\a.txt");
  EXPECT_EQ(droppedFilesText({"Z:\\a.txt", "Z:\\b.txt"}), "Z:\\a.txt\r\nZ:\\b.txt\r\n");
  EXPECT_FALSE(isBankPath(droppedFilesText({"Z:\\a.txt", "Z:\\b.txt"})));
}

}  // namespace
