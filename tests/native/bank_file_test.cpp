#include "search/bank_file.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"
#include "tests/support/path_cases.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

class PathExtensionTest : public testing::TestWithParam<PathCase> {};

TEST_P(PathExtensionTest, FollowsTheShellRule) {
  const PathCase& c = GetParam();
  EXPECT_EQ(pathExtension(c.path), c.extension);
}

INSTANTIATE_TEST_SUITE_P(Table, PathExtensionTest, testing::ValuesIn(pathCases()), caseName);

TEST(PathExtensionTest, OnlyExactLowerCaseTxtIsABank) {
  EXPECT_EQ(pathExtension("Z:\\my bank.txt"), kBankExtension);
  EXPECT_NE(pathExtension("Z:\\bank.TXT"), kBankExtension);
  EXPECT_NE(pathExtension("Z:\\bank.txt "), kBankExtension);
}

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
  EXPECT_NE(pathExtension(droppedFilesText({"Z:\\a.txt", "Z:\\b.txt"})), kBankExtension);
}

}  // namespace
