#include "app/about_icon_win.h"

#include <windows.h>

#include <cstring>

#include "base/bmp_layout.h"
#include "base/handles_win.h"

namespace {

constexpr int kSize = 64;
constexpr std::uint8_t kBlue = 0xD0, kGreen = 0x60, kRed = 0x10;

}  // namespace

Bytes aboutIconPicture() {
  Bytes body = bmpInfoHeader(kSize, kSize, 32);
  void* bits = nullptr;
  UniqueBitmap canvas(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(body.data()),
                                       DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!canvas || !bits) return {};
  // The glyph drawn white on black: its brightness is how much of each pixel it covers.
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  {
    SelectedObject selected(dc.get(), canvas.get());
    RECT all{0, 0, kSize, kSize};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    UniqueFont font(CreateFontA(-58, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0,
                                ANTIALIASED_QUALITY, 0, "宋体"));
    SelectedObject glyph(dc.get(), font.get());
    SetTextColor(dc.get(), RGB(255, 255, 255));
    SetBkMode(dc.get(), TRANSPARENT);
    DrawTextA(dc.get(), "答", -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    GdiFlush();
  }
  auto* pixels = static_cast<std::uint8_t*>(bits);
  for (int i = 0; i < kSize * kSize; ++i) {
    std::uint8_t* pixel = pixels + 4 * i;
    unsigned coverage = pixel[1];
    pixel[0] = static_cast<std::uint8_t>(kBlue * coverage / 255);
    pixel[1] = static_cast<std::uint8_t>(kGreen * coverage / 255);
    pixel[2] = static_cast<std::uint8_t>(kRed * coverage / 255);
    pixel[3] = static_cast<std::uint8_t>(coverage);
  }
  std::size_t header = body.size();
  body.resize(header + kSize * kSize * 4);
  std::memcpy(body.data() + header, pixels, kSize * kSize * 4);
  return bmpFile(body);
}
