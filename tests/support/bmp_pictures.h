#pragma once
// Bitmap files made in a test: plain colour patterns at a chosen depth.

#include <cstdint>

#include "base/bmp_layout.h"

// A width x height picture at 16, 24 or 32 bits per pixel, in a pattern of colours.
inline Bytes patternBitmap(int width, int height, int bitsPerPixel) {
  Bytes body = bmpInfoHeader(width, height, bitsPerPixel);
  const std::size_t stride = bmpRowStride(width, bitsPerPixel);
  const std::size_t pixels = body.size();
  body.resize(pixels + stride * height, 0);
  for (int row = 0; row < height; ++row) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t shade = static_cast<std::uint8_t>((x * 37 + row * 91) & 0xFF);
      std::size_t at = pixels + row * stride + x * (bitsPerPixel / 8);
      for (int byte = 0; byte < bitsPerPixel / 8; ++byte) body[at + byte] = shade ^ (byte * 85);
    }
  }
  return bmpFile(body);
}
