#include "capture/region_bitmap_win.h"

#include <windows.h>


#include "base/bmp_layout.h"
#include "base/handles_win.h"

Bytes regionBitmap(int x, int y, int width, int height) {
  HDC screen = GetDC(nullptr);
  int depth = GetDeviceCaps(screen, BITSPIXEL);
  if (depth <= 8) depth = 32;
  UniqueMemoryDc memory(CreateCompatibleDC(screen));
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
  HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, width, height, screen, x, y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  SelectObject(memory.get(), previous);

  if (width <= 0 || height <= 0) return {};
  Bytes headerAndRows = bmpInfoHeader(width, height, depth);
  headerAndRows.resize(headerAndRows.size() + bmpRowStride(width, depth) * height, 0);
  auto* info = reinterpret_cast<BITMAPINFO*>(headerAndRows.data());
  if (GetDIBits(memory.get(), bitmap.get(), 0, height, headerAndRows.data() + 40, info,
                DIB_RGB_COLORS) == 0) {
    return {};
  }
  return bmpFile(headerAndRows);
}
