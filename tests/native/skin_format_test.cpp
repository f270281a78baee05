#include "skin/skin_format.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

using namespace skin_format;

bool same(Rgb a, Rgb b, int tolerance = 2) {
  return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
         std::abs(a.blue - b.blue) <= tolerance;
}

TEST(SkinFormatTest, ReadsTheCarriedSkinFile) {
  std::ifstream file(QUIZ_SOURCE_DIR "/skin/default.she", std::ios::binary);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), {});
  Skin skin;
  ASSERT_TRUE(parseSkin(bytes.data(), static_cast<unsigned>(bytes.size()), skin));
  EXPECT_EQ(skin.fontHeight, 12);
  EXPECT_TRUE(same(skin.colours[window], {226, 234, 246}, 0));
  EXPECT_TRUE(same(skin.colours[buttonFace], {58, 110, 180}, 0));
  EXPECT_STREQ(skin.face, "\xCB\xCE\xCC\xE5");  // 宋体
}

TEST(SkinFormatTest, RefusesWhatIsNoSkin) {
  Skin skin;
  const unsigned char wrong[40] = {'.', 'S', 'H', 'X', 1};
  EXPECT_FALSE(parseSkin(wrong, sizeof wrong, skin));
  const unsigned char shortFile[8] = {'.', 'S', 'H', 'E', 1};
  EXPECT_FALSE(parseSkin(shortFile, sizeof shortFile, skin));
  EXPECT_FALSE(parseSkin(nullptr, 100, skin));
}

TEST(SkinFormatTest, HueSaturationBrightness) {
  Rgb red{200, 40, 40};
  EXPECT_TRUE(same(adjust(red, 0, 0, 0), red, 0));
  EXPECT_TRUE(same(adjust(red, 120, 0, 0), {40, 200, 40}));
  EXPECT_TRUE(same(adjust(red, -120, 0, 0), {40, 40, 200}));
  EXPECT_TRUE(same(adjust(red, 0, -100, 0), {200, 200, 200}));
  EXPECT_TRUE(same(adjust(red, 0, 0, -100), {0, 0, 0}));
  EXPECT_TRUE(same(adjust({100, 100, 100}, 90, 0, 0), {100, 100, 100}));
}

}  // namespace
