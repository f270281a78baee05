#include "capture/capture_overlay_win.h"

#include "app/controls_win.h"
#include "app/picture_box_win.h"
#include "base/handles_win.h"
#include "capture/capture_region.h"
#include "capture/region_bitmap_win.h"

namespace {

constexpr char kOverlayClass[] = "QuizCaptureOverlay";
constexpr char kCanvasClass[] = "QuizCaptureCanvas";
constexpr COLORREF kOutlineColour = RGB(255, 0, 255);
constexpr int kOutlineWidth = 2;
constexpr DWORD kHideDelayMs = 200;

// One opening of the overlay. The canvas (画板) shows the frozen screen; canvas positions
// plus the work area's origin are screen positions, and the picture is drawn with the
// same offset, so the region read is the region drawn wherever the work area starts.
struct CaptureOverlay {
  explicit CaptureOverlay(CaptureContext& drag) : context(drag) {}
  CaptureOverlay(const CaptureOverlay&) = delete;
  CaptureOverlay& operator=(const CaptureOverlay&) = delete;

  CaptureContext& context;
  RECT workArea{};
  HWND window = nullptr;
  HWND 画板 = nullptr;
  UniqueBitmap screenshot;
  UniqueMemoryDc screenshotDc;
  UniquePen pen;
  HGDIOBJ screenshotDcPrevious = nullptr;

  ~CaptureOverlay() {
    if (screenshotDc) SelectObject(screenshotDc.get(), screenshotDcPrevious);
  }
};

CaptureOverlay* overlayOf(HWND window) {
  return reinterpret_cast<CaptureOverlay*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The whole primary screen as it is now.
void freezeScreen(CaptureOverlay& overlay) {
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  overlay.screenshotDc.reset(CreateCompatibleDC(screen));
  overlay.screenshot.reset(CreateCompatibleBitmap(screen, width, height));
  overlay.screenshotDcPrevious = SelectObject(overlay.screenshotDc.get(), overlay.screenshot.get());
  BitBlt(overlay.screenshotDc.get(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
  ReleaseDC(nullptr, screen);
}

void paintBackground(const CaptureOverlay& overlay, HDC dc) {
  BitBlt(dc, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
         overlay.screenshotDc.get(), overlay.workArea.left, overlay.workArea.top, SRCCOPY);
}

void onCanvasPaint(CaptureOverlay& overlay) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(overlay.画板, &paint);
  paintBackground(overlay, dc);
  EndPaint(overlay.画板, &paint);
}

void onLeftPressed(CaptureOverlay& overlay, int x, int y) {
  overlay.context.pressX = x;
  overlay.context.pressY = y;
  overlay.context.dragging = 1;
}

// The outline of the spanned rectangle over a fresh copy of the frozen picture.
void onMouseMoved(CaptureOverlay& overlay, int x, int y) {
  CaptureContext& drag = overlay.context;
  if (drag.dragging == 0) return;
  drag.moveX = x;
  drag.moveY = y;
  WindowDc dc(overlay.画板);
  paintBackground(overlay, dc.get());
  Region outline = spannedRegion(drag.pressX, drag.pressY, drag.moveX, drag.moveY);
  SelectedObject pen(dc.get(), overlay.pen.get());
  SelectedObject brush(dc.get(), GetStockObject(HOLLOW_BRUSH));
  SetROP2(dc.get(), R2_COPYPEN);
  Rectangle(dc.get(), outline.left, outline.top, outline.left + outline.width,
            outline.top + outline.height);
}

void onLeftReleased(CaptureOverlay& overlay, int x, int y) {
  CaptureContext& drag = overlay.context;
  drag.dragging = 0;
  Region region = spannedRegion(drag.pressX, drag.pressY, x, y);
  // Read while the overlay still shows the frozen picture, outline included.
  setPicture(drag.pictureBox, regionBitmap(region.left + overlay.workArea.left,
                                           region.top + overlay.workArea.top, region.width,
                                           region.height));
  DestroyWindow(overlay.window);
}

LRESULT CALLBACK canvasProc(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam) {
  CaptureOverlay* overlay = overlayOf(GetParent(canvas));
  if (!overlay) return DefWindowProcA(canvas, message, wParam, lParam);
  int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  switch (message) {
    case WM_PAINT:
      onCanvasPaint(*overlay);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      onLeftPressed(*overlay, x, y);
      return 0;
    case WM_MOUSEMOVE:
      onMouseMoved(*overlay, x, y);
      return 0;
    case WM_LBUTTONUP:
      onLeftReleased(*overlay, x, y);
      return 0;
    case WM_RBUTTONDOWN:
      DestroyWindow(overlay->window);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) PostMessageA(overlay->window, WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcA(canvas, message, wParam, lParam);
}

LRESULT onOverlayCreate(HWND window, CaptureOverlay& overlay) {
  overlay.window = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&overlay));
  freezeScreen(overlay);
  overlay.pen.reset(CreatePen(PS_SOLID, kOutlineWidth, kOutlineColour));
  overlay.画板 = CreateWindowExA(0, kCanvasClass, "", WS_CHILD | WS_VISIBLE, 0, 0,
                                 GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                 window, nullptr, instanceOf(window), nullptr);
  return 0;
}

LRESULT CALLBACK overlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    return onOverlayCreate(window, *static_cast<CaptureOverlay*>(create->lpCreateParams));
  }
  CaptureOverlay* overlay = overlayOf(window);
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) PostMessageA(window, WM_CLOSE, 0, 0);
      return 0;
    case WM_DESTROY:
      if (overlay) ShowWindow(overlay->context.mainWindow, SW_SHOW);
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      PostMessageA(nullptr, WM_NULL, 0, 0);  // wakes the modal loop to see it has gone
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Handles messages until the time has passed, so that the hidden window is really gone.
void pumpMessagesFor(DWORD milliseconds) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  }
}

}  // namespace

void openCaptureOverlay(CaptureContext& context) {
  ShowWindow(context.mainWindow, SW_HIDE);
  pumpMessagesFor(kHideDelayMs);

  HINSTANCE instance = instanceOf(context.mainWindow);
  registerControlClass(instance, kOverlayClass, overlayProc, 0, IDC_CROSS);
  registerControlClass(instance, kCanvasClass, canvasProc, 0, IDC_CROSS);
  CaptureOverlay overlay{context};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &overlay.workArea, 0);
  // Created at the work area's full size rather than shown maximised.
  HWND window = CreateWindowExA(0, kOverlayClass, "", WS_POPUP, overlay.workArea.left,
                                overlay.workArea.top, overlay.workArea.right - overlay.workArea.left,
                                overlay.workArea.bottom - overlay.workArea.top, nullptr, nullptr,
                                instance, &overlay);
  if (!window) {
    ShowWindow(context.mainWindow, SW_SHOW);
    return;
  }
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetFocus(overlay.画板);
  // Modal: this loop runs until the overlay has been destroyed.
  MSG message;
  while (IsWindow(window)) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
      DestroyWindow(window);
      break;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
