#include "capture/capture_region.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(SpannedRegionTest, SameRectangleWhicheverWayTheDragWent) {
  for (auto [pressX, pressY, x, y] : {std::array{100, 100, 300, 150}, std::array{300, 150, 100, 100},
                                      std::array{100, 150, 300, 100}, std::array{300, 100, 100, 150}}) {
    Region region = spannedRegion(pressX, pressY, x, y);
    EXPECT_EQ(region.left, 100);
    EXPECT_EQ(region.top, 100);
    EXPECT_EQ(region.width, 200);
    EXPECT_EQ(region.height, 50);
  }
  Region point = spannedRegion(7, 9, 7, 9);
  EXPECT_EQ(point.width, 0);
  EXPECT_EQ(point.height, 0);
}

}  // namespace
