#include "app/controls_win.h"

Text controlText(HWND control) {
  int length = GetWindowTextLengthA(control);
  if (length <= 0) return {};
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(control, text.data(), length + 1);
  text.resize(copied > 0 ? copied : 0);
  return text;
}

void setControlText(HWND control, const Text& text) { SetWindowTextA(control, text.c_str()); }

void appendControlText(HWND edit, const Text& text) {
  int end = GetWindowTextLengthA(edit);
  SendMessageA(edit, EM_SETSEL, end, end);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

namespace {

RECT rectInParent(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

int controlHeight(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  return rect.bottom - rect.top;
}

void setControlHeight(HWND control, int height) {
  RECT rect = rectInParent(control);
  SetWindowPos(control, nullptr, 0, 0, rect.right - rect.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int windowHeight(HWND window) { return controlHeight(window); }

void setWindowHeight(HWND window, int height) {
  RECT rect;
  GetWindowRect(window, &rect);
  SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT centredOnScreen(int width, int height) {
  return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
          (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

void registerControlClass(HINSTANCE instance, const char* name, WNDPROC procedure, UINT style,
                          LPCSTR cursor) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance, name, &windowClass)) return;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, cursor);
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);
}

HINSTANCE instanceOf(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

void WindowTimer::setPeriod(UINT milliseconds) {
  if (milliseconds == 0) {
    KillTimer(window_, id_);
  } else {
    SetTimer(window_, id_, milliseconds, nullptr);
  }
  period_ = milliseconds;
}
