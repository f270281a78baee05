#include "tests/driver/tool_driver_win.h"

namespace {

constexpr char kClassName[] = "QuizDriverText";

LRESULT CALLBACK textWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  UniqueFont font(CreateFontA(-40, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0,
                              ANTIALIASED_QUALITY, 0, "宋体"));
  {
    SelectedObject selected(dc, font.get());
    Text text = windowText(window);
    DrawTextA(dc, text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  EndPaint(window, &paint);
  return 0;
}

}  // namespace

UniqueWindow openTextWindow(const ClientPlace& screenPlace, const Text& text) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = textWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);  // a second window finds the class already there
  return UniqueWindow(CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, text.c_str(),
                                      WS_POPUP | WS_VISIBLE, screenPlace.left, screenPlace.top,
                                      screenPlace.width, screenPlace.height, nullptr, nullptr,
                                      windowClass.hInstance, nullptr));
}
