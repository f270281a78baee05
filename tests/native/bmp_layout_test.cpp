#include "base/bmp_layout.h"

#include <gtest/gtest.h>

#include "app/fold_pictures.h"

namespace {

std::uint32_t readLittleEndian(const Bytes& bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[offset + i];
  return value;
}

TEST(BmpLayoutTest, RowStrideRoundsUpToFourBytes) {
  EXPECT_EQ(bmpRowStride(100, 32), 400u);
  EXPECT_EQ(bmpRowStride(3, 24), 12u);
  EXPECT_EQ(bmpRowStride(1, 16), 4u);
  EXPECT_EQ(bmpRowStride(0, 32), 0u);
}

TEST(BmpLayoutTest, FileHeadersDescribeTheRows) {
  Bytes body = bmpInfoHeader(100, 20, 32);
  body.resize(body.size() + 400 * 20);
  Bytes file = bmpFile(body);
  ASSERT_EQ(file.size(), 8054u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(readLittleEndian(file, 2, 4), 8054u);
  EXPECT_EQ(readLittleEndian(file, 6, 4), 0u);
  EXPECT_EQ(readLittleEndian(file, 10, 4), 54u);
  EXPECT_EQ(readLittleEndian(file, 14, 4), 40u);
  EXPECT_EQ(readLittleEndian(file, 18, 4), 100u);
  EXPECT_EQ(readLittleEndian(file, 22, 4), 20u);
  EXPECT_EQ(readLittleEndian(file, 26, 2), 1u);
  EXPECT_EQ(readLittleEndian(file, 28, 2), 32u);
  for (std::size_t offset = 30; offset < 54; ++offset) EXPECT_EQ(file[offset], 0) << offset;
}

TEST(FoldPictureTest, TwoDifferentChevronsOfTheFixedSize) {
  Bytes up = foldPicture(true);
  Bytes down = foldPicture(false);
  EXPECT_EQ(up.size(), 54 + bmpRowStride(kFoldPictureWidth, 24) * kFoldPictureHeight);
  EXPECT_EQ(readLittleEndian(up, 18, 4), static_cast<std::uint32_t>(kFoldPictureWidth));
  EXPECT_EQ(readLittleEndian(up, 22, 4), static_cast<std::uint32_t>(kFoldPictureHeight));
  EXPECT_EQ(up.size(), down.size());
  EXPECT_NE(up, down);
  // The chevron's apex row differs: for the upward one, the line sits higher in the centre.
  auto light = [](const Bytes& picture, int x, int y) {
    std::size_t stride = bmpRowStride(kFoldPictureWidth, 24);
    std::size_t at = 54 + (kFoldPictureHeight - 1 - y) * stride + x * 3;
    return picture[at] > 100;
  };
  EXPECT_TRUE(light(up, kFoldPictureWidth / 2, 2));
  EXPECT_FALSE(light(down, kFoldPictureWidth / 2, 2));
  EXPECT_TRUE(light(down, kFoldPictureWidth / 2, 7));
}

}  // namespace
