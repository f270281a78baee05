#pragma once
// The screenshot search: a frozen picture of the screen over the whole work area, on
// which the user drags the rectangle to recognise.

#include <windows.h>

#include <cstdint>

// What the overlay works with: the window it hides while it shows, the picture box it
// leaves the region's bitmap in, and the drag state kept from one capture to the next.
struct CaptureContext {
  HWND mainWindow;
  HWND pictureBox;
  std::int32_t& dragging;
  std::int32_t& pressX;
  std::int32_t& pressY;
  std::int32_t& moveX;
  std::int32_t& moveY;
};

// Hides the main window, waits 200 ms while handling messages, then shows the overlay
// until a left release captures the region, or a right click or Esc closes it. The main
// window is shown again when the overlay goes.
void openCaptureOverlay(CaptureContext& context);
