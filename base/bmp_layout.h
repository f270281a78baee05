#pragma once
// The Windows bitmap file layout: a 14-byte file header, a 40-byte info header and
// uncompressed rows, bottom row first, each padded to a multiple of four bytes.

#include <cstddef>
#include <cstdint>

#include "base/text.h"

inline constexpr std::size_t kBmpPixelOffset = 54;

// Bytes per row: the row's bits rounded up to a multiple of 32, in bytes.
std::size_t bmpRowStride(int width, int bitsPerPixel);

// The 40-byte info header: the size, planes and depth set, everything else 0.
Bytes bmpInfoHeader(int width, int height, int bitsPerPixel);

// A whole file from the info header and pixel rows that follow it.
Bytes bmpFile(const Bytes& infoHeaderAndRows);
