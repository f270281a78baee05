#pragma once
// The rectangle a drag spans, whichever way it went.

#include <cstdlib>

struct Region {
  int left, top, width, height;
};

inline Region spannedRegion(int pressX, int pressY, int x, int y) {
  return {pressX < x ? pressX : x, pressY < y ? pressY : y, std::abs(x - pressX),
          std::abs(y - pressY)};
}
