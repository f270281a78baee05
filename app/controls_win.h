#pragma once
// The control operations the handlers use on the windows' controls.

#include <windows.h>

#include "base/text.h"

// A control's place in its parent's client area.
struct Place {
  int left, top, width, height;
};

Text controlText(HWND control);
void setControlText(HWND control, const Text& text);
// Appends at the end of an edit box's text.
void appendControlText(HWND edit, const Text& text);

int controlHeight(HWND control);
void setControlHeight(HWND control, int height);

// The outer height of a top-level window, and setting it, keeping its width and place.
int windowHeight(HWND window);
void setWindowHeight(HWND window, int height);

// Place of a top-level window of the given outer size centred on the screen.
POINT centredOnScreen(int width, int height);

// Registers a child control class once per instance.
void registerControlClass(HINSTANCE instance, const char* name, WNDPROC procedure, UINT style,
                          LPCSTR cursor);

// The instance a window belongs to.
HINSTANCE instanceOf(HWND window);

// A window timer identified by its window and id; period 0 means stopped.
class WindowTimer {
 public:
  WindowTimer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
  UINT period() const { return period_; }
  void setPeriod(UINT milliseconds);

 private:
  HWND window_;
  UINT_PTR id_;
  UINT period_ = 0;
};
