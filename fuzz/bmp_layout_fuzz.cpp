// The bitmap file layout for any size and depth.

#include "base/bmp_layout.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  int width = data[0] | (data[1] << 8), height = data[2] | (data[3] << 8);
  int depth = data[4] % 2 ? 24 : (data[4] % 4 ? 32 : 16);
  std::size_t stride = bmpRowStride(width, depth);
  FUZZ_CHECK(stride % 4 == 0 && stride * 8 >= static_cast<std::size_t>(width) * depth);
  FUZZ_CHECK(stride * 8 < static_cast<std::size_t>(width) * depth + 32 || width == 0);
  Bytes body = bmpInfoHeader(width, height, depth);
  body.resize(body.size() + stride * (height % 64));
  Bytes file = bmpFile(body);
  FUZZ_CHECK(file.size() == 54 + stride * (height % 64));
  FUZZ_CHECK(file[0] == 'B' && file[1] == 'M' && file[10] == 54);
  return 0;
}
