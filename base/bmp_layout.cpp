#include "base/bmp_layout.h"

#include <algorithm>

namespace {

void putLittleEndian(Bytes& bytes, std::size_t offset, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::size_t bmpRowStride(int width, int bitsPerPixel) {
  if (width <= 0 || bitsPerPixel <= 0) return 0;
  return (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

Bytes bmpInfoHeader(int width, int height, int bitsPerPixel) {
  Bytes header(40, 0);
  putLittleEndian(header, 0, 40, 4);
  putLittleEndian(header, 4, static_cast<std::uint32_t>(width), 4);
  putLittleEndian(header, 8, static_cast<std::uint32_t>(height), 4);
  putLittleEndian(header, 12, 1, 2);
  putLittleEndian(header, 14, static_cast<std::uint32_t>(bitsPerPixel), 2);
  return header;
}

Bytes bmpFile(const Bytes& infoHeaderAndRows) {
  Bytes file(14 + infoHeaderAndRows.size(), 0);
  file[0] = 'B';
  file[1] = 'M';
  putLittleEndian(file, 2, static_cast<std::uint32_t>(file.size()), 4);
  putLittleEndian(file, 10, kBmpPixelOffset, 4);
  std::copy(infoHeaderAndRows.begin(), infoHeaderAndRows.end(), file.begin() + 14);
  return file;
}
