#include "app/fold_pictures.h"

#include <cstdlib>

#include "base/bmp_layout.h"

namespace {

constexpr std::uint8_t kGround = 40;
constexpr std::uint8_t kLine = 200;
constexpr int kHalfWidth = 8;  // the chevron spans 17 pixels around the centre

}  // namespace

Bytes foldPicture(bool pointingUp) {
  const int bits = 24;
  const std::size_t stride = bmpRowStride(kFoldPictureWidth, bits);
  Bytes pixels = bmpInfoHeader(kFoldPictureWidth, kFoldPictureHeight, bits);
  pixels.resize(pixels.size() + stride * kFoldPictureHeight, kGround);
  const int centre = kFoldPictureWidth / 2;
  for (int row = 0; row < kFoldPictureHeight; ++row) {
    int y = kFoldPictureHeight - 1 - row;  // rows are stored bottom first
    for (int x = 0; x < kFoldPictureWidth; ++x) {
      int distance = std::abs(x - centre);
      // Two rows thick, apex at the top (up) or bottom (down) of a band 2..7.
      int apexRow = pointingUp ? 2 + distance / 2 : 7 - distance / 2;
      bool onLine = distance <= kHalfWidth && (y == apexRow || y == apexRow + (pointingUp ? 1 : -1));
      std::size_t at = 40 + row * stride + x * 3;
      for (int channel = 0; channel < 3; ++channel) pixels[at + channel] = onLine ? kLine : kGround;
    }
  }
  // Row padding stays at the ground value; readers ignore it.
  return bmpFile(pixels);
}
