#include "search/listing.h"

#include <gtest/gtest.h>

namespace {

const Text kDivider = "---------------华丽的分割线------------------";

Bank bankOf(const Text& text) {
  Bank bank;
  bank.assign(text);
  return bank;
}

Text joinLines(std::initializer_list<Text> lines) {
  Text joined;
  for (const Text& line : lines) joined += (joined.empty() ? "" : "\r\n") + line;
  return joined;
}

TEST(ComposeListingTest, NoMatchShowsNoHeading) {
  EXPECT_EQ(composeListing(bankOf("a"), MatchList{}, 5), "未能匹配到您的选择文本！");
}

TEST(ComposeListingTest, QuestionWithFourOptions) {
  Text text;
  for (int i = 1; i <= 6; ++i) text += "x\r\n";
  text += "Q\r\nA\r\nB\r\nC\r\nD\r\nz\r\n";
  MatchList matches{7};
  EXPECT_EQ(composeListing(bankOf(text), matches, 5),
            joinLines({"相关内容如下：", "Q", "A", "B", "C", "D", kDivider}));
}

TEST(ComposeListingTest, BlockPastTheEndShowsEmptyLines) {
  MatchList matches{2};
  EXPECT_EQ(composeListing(bankOf("a\r\nq"), matches, 3),
            joinLines({"相关内容如下：", "q", "", "", kDivider}));
}

TEST(ComposeListingTest, NeighbouringMatchesEachGetABlock) {
  MatchList matches{1, 2};
  EXPECT_EQ(composeListing(bankOf("q1\r\nq2\r\nx"), matches, 2),
            joinLines({"相关内容如下：", "q1", "q2", kDivider, "q2", "x", kDivider}));
}

TEST(ComposeListingTest, CountOfOneShowsMatchingLineOnly) {
  MatchList matches{1};
  EXPECT_EQ(composeListing(bankOf("q\r\na"), matches, 1),
            joinLines({"相关内容如下：", "q", kDivider}));
}

TEST(ComposeListingTest, CountBelowOneEndsLikeOne) {
  MatchList matches{1};
  for (int count : {0, -1, -2147483647 - 1}) {
    EXPECT_EQ(composeListing(bankOf("q\r\na"), matches, count),
              joinLines({"相关内容如下：", "q", kDivider}));
  }
}

TEST(ComposeListingTest, StopsAtFirstEmptyEntry) {
  MatchList matches{2, 0, 1};
  EXPECT_EQ(composeListing(bankOf("a\r\nb"), matches, 1),
            joinLines({"相关内容如下：", "b", kDivider}));
}

TEST(ComposeListingTest, LongLinesAreCutOnACharacterStart) {
  MatchList matches{1};
  EXPECT_EQ(composeListing(bankOf("abcdef\r\nxyz"), matches, 2, 4),
            joinLines({"相关内容如下：", "abcd", "xyz", kDivider}));
  // 题 is two bytes: a cut inside it leaves it out whole.
  EXPECT_EQ(composeListing(bankOf("a题库"), matches, 1, 4),
            joinLines({"相关内容如下：", "a题", kDivider}));
  EXPECT_EQ(composeListing(bankOf("a题库"), matches, 1, 2),
            joinLines({"相关内容如下：", "a", kDivider}));
}

}  // namespace
