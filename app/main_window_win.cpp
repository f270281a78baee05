#include "app/main_window_win.h"

namespace {

constexpr char kClassName[] = "QuizAssistantMain";

AppState& stateOf(HWND window) {
  return *reinterpret_cast<AppState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

RECT centredOnScreen(int width, int height) {
  int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return {left, top, left + width, top + height};
}

LRESULT onCreate(HWND window, const CREATESTRUCTA& create) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create.lpCreateParams));
  return 0;
}

// A press on the background drags the window like its title bar.
LRESULT onHitTest(HWND window, WPARAM wParam, LPARAM lParam) {
  LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
  return hit == HTCLIENT ? HTCAPTION : hit;
}

LRESULT onDestroy(HWND window) {
  stateOf(window).bankFile.reset();
  PostQuitMessage(0);
  return 0;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return onCreate(window, *reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_NCHITTEST:
      return onHitTest(window, wParam, lParam);
    case WM_DESTROY:
      return onDestroy(window);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND createMainWindow(HINSTANCE instance, AppState& state) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = mainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExA(&windowClass)) return nullptr;

  RECT place = centredOnScreen(kMainWindowWidth, kMainWindowHeight);
  HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_APPWINDOW, kClassName, kMainWindowTitle,
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                                place.left, place.top, kMainWindowWidth, kMainWindowHeight,
                                nullptr, nullptr, instance, &state);
  if (window) ShowWindow(window, SW_SHOW);
  return window;
}

bool handleMainWindowKey(HWND mainWindow, const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.hwnd != mainWindow && GetAncestor(message.hwnd, GA_ROOT) != mainWindow) return false;
  if (message.wParam == VK_ESCAPE) {
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    return true;
  }
  return false;
}
