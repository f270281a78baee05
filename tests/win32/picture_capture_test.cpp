// Picture conversion through GDI+ and reading a region of the screen, under Wine.

#include <windows.h>

#include <gtest/gtest.h>

#include "capture/region_bitmap_win.h"
#include "recognition/picture_converter_win.h"
#include "tests/support/bmp_pictures.h"

namespace {

const Bytes kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool startsWith(const Bytes& bytes, const Bytes& prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

TEST(ConvertPictureTest, EncodesBitmapsOfEveryScreenDepth) {
  for (int depth : {16, 24, 32}) {
    Bytes jpeg;
    ASSERT_TRUE(convertPicture(patternBitmap(40, 20, depth), 2, "", jpeg)) << depth;
    EXPECT_TRUE(startsWith(jpeg, {0xFF, 0xD8})) << depth;
    EXPECT_TRUE(startsWith(Bytes(jpeg.end() - 2, jpeg.end()), {0xFF, 0xD9})) << "exact end " << depth;
    Bytes png;
    ASSERT_TRUE(convertPicture(patternBitmap(40, 20, depth), 5, "", png)) << depth;
    EXPECT_TRUE(startsWith(png, kPngSignature)) << depth;
  }
  Bytes bmp;
  ASSERT_TRUE(convertPicture(patternBitmap(8, 8, 24), 1, "", bmp, true));
  EXPECT_TRUE(startsWith(bmp, {'B', 'M'}));
}

TEST(ConvertPictureTest, FailuresLeaveTheOutputAlone) {
  const Bytes before = {1, 2, 3};
  struct Case {
    const char* name;
    Bytes input;
    int format;
  };
  for (const Case& c : {Case{"NotAPicture", {'a', 'b', 'c'}, 2}, Case{"TwoBytes", {'B', 'M'}, 2},
                        Case{"Empty", {}, 2}, Case{"FormatZero", patternBitmap(4, 4, 24), 0},
                        Case{"FormatSix", patternBitmap(4, 4, 24), 6}}) {
    Bytes output = before;
    EXPECT_FALSE(convertPicture(c.input, c.format, "", output)) << c.name;
    EXPECT_EQ(output, before) << c.name;
  }
}

TEST(ConvertPictureTest, SavePathGetsTheExtensionUnlessBlank) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  Text base = Text(folder) + "quiz-shot";
  DeleteFileA((base + ".jpg").c_str());
  Bytes jpeg;
  ASSERT_TRUE(convertPicture(patternBitmap(8, 8, 24), 2, base, jpeg));
  EXPECT_NE(GetFileAttributesA((base + ".jpg").c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileA((base + ".jpg").c_str());
  Bytes again;
  ASSERT_TRUE(convertPicture(patternBitmap(8, 8, 24), 2, "   ", again));
  EXPECT_EQ(again, jpeg) << "a second call works the same";
}

TEST(RegionBitmapTest, ReadsTheScreenBottomRowFirst) {
  // Three known pixels on the screen: red and green on top, blue below red.
  HDC screen = GetDC(nullptr);
  SetPixelV(screen, 20, 20, RGB(255, 0, 0));
  SetPixelV(screen, 21, 20, RGB(0, 255, 0));
  SetPixelV(screen, 20, 21, RGB(0, 0, 255));
  int depth = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  ASSERT_EQ(depth, 32);

  Bytes file = regionBitmap(20, 20, 2, 2);
  ASSERT_EQ(file.size(), 54u + 8 * 2);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[10], 54);
  EXPECT_EQ(file[18], 2);
  EXPECT_EQ(file[22], 2);
  EXPECT_EQ(file[28], 32);
  // First stored pixel: the bottom-left one, blue (bytes blue, green, red).
  EXPECT_EQ(file[54], 255);
  EXPECT_EQ(file[55], 0);
  EXPECT_EQ(file[56], 0);
  // Second row: red, then green.
  EXPECT_EQ(file[54 + 8 + 2], 255);
  EXPECT_EQ(file[54 + 8 + 4 + 1], 255);
}

TEST(RegionBitmapTest, StrideAndEmptyRegions) {
  Bytes wide = regionBitmap(0, 0, 100, 20);
  EXPECT_EQ(wide.size(), 8054u);
  EXPECT_TRUE(regionBitmap(0, 0, 0, 10).empty());
  EXPECT_TRUE(regionBitmap(0, 0, 10, 0).empty());
  Bytes jpeg;
  EXPECT_TRUE(convertPicture(wide, 2, "", jpeg)) << "the converter reads what the capture makes";
}

}  // namespace
