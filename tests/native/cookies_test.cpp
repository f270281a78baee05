#include "http/cookies.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

struct MergeCase {
  const char* name;
  Text jar, fresh;
  Text merged, freshAfter;
};

class MergeCookiesTest : public testing::TestWithParam<MergeCase> {};

TEST_P(MergeCookiesTest, FreshFirstThenJarItemsWithOtherNames) {
  const MergeCase& c = GetParam();
  Text jar = c.jar, fresh = c.fresh;
  EXPECT_EQ(mergeCookies(jar, fresh), c.merged);
  EXPECT_EQ(jar, c.merged);
  EXPECT_EQ(fresh, c.freshAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MergeCookiesTest,
    testing::Values(
        MergeCase{"FreshWins", "a=1; b=2", "b=3; c=4", "b=3; c=4; a=1", "b=3;c=4"},
        MergeCase{"Deleted", "a=1; b=2", "b=deleted", "a=1", "b=deleted"},
        MergeCase{"FirstOfANameStays", "a=1; a=2", "", "a=1", ""},
        MergeCase{"SpacesGoFullWidthToo", "a=x y\xA1\xA1z", "", "a=xyz", ""},
        MergeCase{"BothEmpty", "", "", "", ""},
        MergeCase{"InnerEmptyItemStays", "a=1;;b=2", "", "a=1; ; b=2", ""},
        MergeCase{"ItemWithoutEquals", "flag; a=1", "flag", "flag; a=1", "flag"}),
    caseName);

TEST(CookieNameTest, TrimmedPartBeforeEquals) {
  EXPECT_EQ(cookieName(" sid =abc"), "sid");
  EXPECT_EQ(cookieName("flag"), "flag");
  EXPECT_EQ(cookieName("=v"), "");
}

TEST(HasCookieNamedTest, ExactNameComparison) {
  std::vector<Text> items = {"a=1", "Bb=2"};
  EXPECT_TRUE(hasCookieNamed(items, "Bb"));
  EXPECT_FALSE(hasCookieNamed(items, "bb"));
  EXPECT_FALSE(hasCookieNamed({}, "a"));
}

}  // namespace
