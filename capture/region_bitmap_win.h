#pragma once
// A rectangle of the screen as the bytes of a bitmap file.

#include "base/text.h"

// The pixels now on the screen in the rectangle, bottom row first, at the screen's depth
// (32 bits for screens of 8 bits or fewer, which would need a colour table); empty when
// they cannot be read, as for a zero width or height.
Bytes regionBitmap(int x, int y, int width, int height);
