#include "app/picture_box_win.h"

#include <cstdint>
#include <cstring>

#include "base/handles_win.h"

namespace {

constexpr char kClassName[] = "QuizPictureBox";
// Asks the box for a copy of its bytes (lParam: the Bytes to fill), so that another
// thread reads them on the box's own thread.
constexpr UINT kCopyPictureBytes = WM_APP + 1;

struct PictureBox {
  COLORREF background;
  Bytes bytes;
  UniqueBitmap bitmap;
  SIZE size{};
  bool alpha = false;  // 32-bit pixels with premultiplied alpha, blended onto the ground
};

PictureBox* boxOf(HWND window) {
  return reinterpret_cast<PictureBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// A bitmap from bitmap file bytes whose headers and rows lie inside the bytes.
UniqueBitmap decodeBitmapFile(const Bytes& bytes, SIZE& size, bool& alpha) {
  if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return {};
  BITMAPFILEHEADER file;
  BITMAPINFOHEADER info;
  std::memcpy(&file, bytes.data(), sizeof file);
  std::memcpy(&info, bytes.data() + sizeof file, sizeof info);
  if (file.bfType != 0x4D42 || info.biSize < sizeof info || info.biWidth <= 0 ||
      info.biHeight == 0 || info.biHeight == LONG_MIN || info.biCompression != BI_RGB ||
      info.biBitCount < 16) {
    return {};
  }
  unsigned long long stride =
      (static_cast<unsigned long long>(info.biWidth) * info.biBitCount + 31) / 32 * 4;
  unsigned long long rows =
      info.biHeight < 0 ? -static_cast<long long>(info.biHeight) : info.biHeight;
  if (file.bfOffBits > bytes.size() || stride * rows > bytes.size() - file.bfOffBits) return {};
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info),
                                       DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  const std::uint8_t* pixels = bytes.data() + file.bfOffBits;
  std::memcpy(bits, pixels, stride * rows);
  size = {info.biWidth, static_cast<LONG>(rows)};
  alpha = false;
  if (info.biBitCount == 32) {
    for (std::size_t i = 3; i < stride * rows && !alpha; i += 4) alpha = pixels[i] != 0;
  }
  return bitmap;
}

LRESULT onPaint(HWND window, PictureBox& box) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  UniqueBrush ground(CreateSolidBrush(box.background));
  FillRect(dc, &client, ground.get());
  if (box.bitmap) {
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    SelectedObject selected(memory.get(), box.bitmap.get());
    int left = (client.right - box.size.cx) / 2, top = (client.bottom - box.size.cy) / 2;
    if (box.alpha) {
      BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      AlphaBlend(dc, left, top, box.size.cx, box.size.cy, memory.get(), 0, 0, box.size.cx,
                 box.size.cy, blend);
    } else {
      BitBlt(dc, left, top, box.size.cx, box.size.cy, memory.get(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(window, &paint);
  return 0;
}

LRESULT onDoubleClick(HWND window) {
  SendMessageA(GetParent(window), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(window), STN_DBLCLK), reinterpret_cast<LPARAM>(window));
  return 0;
}

LRESULT CALLBACK pictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PictureBox* box = boxOf(window);
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_NCDESTROY:
      delete box;
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
    case WM_PAINT:
      if (box) return onPaint(window, *box);
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDBLCLK:
      return onDoubleClick(window);
    case kCopyPictureBytes:
      if (box) *reinterpret_cast<Bytes*>(lParam) = box->bytes;
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND createPictureBox(HWND parent, int id, const Place& place, bool visible, COLORREF background) {
  HINSTANCE instance = instanceOf(parent);
  registerControlClass(instance, kClassName, pictureBoxProc, CS_DBLCLKS, IDC_ARROW);
  auto* box = new PictureBox{background, {}, {}, {}};
  HWND window = CreateWindowExA(0, kClassName, "", WS_CHILD | (visible ? WS_VISIBLE : 0),
                                place.left, place.top, place.width, place.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, box);
  if (!window) delete box;
  return window;
}

void setPicture(HWND box, const Bytes& fileBytes) {
  PictureBox* data = boxOf(box);
  if (!data) return;
  data->bytes = fileBytes;
  data->bitmap = decodeBitmapFile(fileBytes, data->size, data->alpha);
  InvalidateRect(box, nullptr, FALSE);
}

Bytes pictureBytes(HWND box) {
  Bytes bytes;
  SendMessageA(box, kCopyPictureBytes, 0, reinterpret_cast<LPARAM>(&bytes));
  return bytes;
}
