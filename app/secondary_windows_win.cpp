#include "app/secondary_windows_win.h"

#include <cstdlib>
#include <cstring>

#include "app/about_icon_win.h"
#include "app/controls_win.h"
#include "app/hyperlink_win.h"
#include "app/picture_box_win.h"
#include "app/service_addresses.h"

namespace {

constexpr char kAboutClass[] = "QuizAssistantAbout";
constexpr char kUpdateClass[] = "QuizAssistantUpdate";

HFONT uiFont() {
  static HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, "宋体");
  return font;
}

HWND child(HWND parent, const char* className, const char* text, DWORD style, const Place& place) {
  HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left,
                                 place.top, place.width, place.height, parent, nullptr,
                                 instanceOf(parent), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont()), FALSE);
  return control;
}

HWND link(HWND parent, const Place& place, const Text& caption, const Text& address) {
  HWND box = createHyperlink(parent, 0, place, true, caption);
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont()), FALSE);
  setHyperlinkAddress(box, address);
  return box;
}

LRESULT CALLBACK aboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK updateProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC) {
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  // Closed in any way: the program ends, and the release step runs on the way out.
  if (message == WM_DESTROY) std::exit(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

// A fixed window with a minimise button, centred, in the taskbar, owned by the main window.
HWND openWindow(HWND owner, const char* className, WNDPROC procedure, const char* title,
                int width, int height) {
  HINSTANCE instance = instanceOf(owner);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExA(instance, className, &windowClass)) {
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
  }
  POINT place = centredOnScreen(width, height);
  HWND window = CreateWindowExA(WS_EX_APPWINDOW, className, title,
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, place.x,
                                place.y, width, height, owner, nullptr, instance, nullptr);
  return window;
}

}  // namespace

HWND openAboutWindow(HWND mainWindow, const AppState& state) {
  HWND window = openWindow(mainWindow, kAboutClass, aboutProc, kAboutTitle, 358, 140);
  if (!window) return nullptr;
  HWND 图片框1 = createPictureBox(window, 0, {8, 8, 80, 80}, true, GetSysColor(COLOR_BTNFACE));
  setPicture(图片框1, aboutIconPicture());
  child(window, "STATIC", "\xA1\xA1 澄川网上答题辅助工具软件\r\n          版本 V1.0", SS_LEFT,
        {124, 7, 176, 49});
  const Text& feedback = state.bulletin.feedbackUrl;
  link(window, {237, 60, 88, 16}, "点击留言反馈", feedback.empty() ? Text(kFeedbackUrl) : feedback);
  ShowWindow(window, SW_SHOW);
  return window;
}

HWND openUpdateWindow(HWND mainWindow, const AppState& state) {
  HWND window = openWindow(mainWindow, kUpdateClass, updateProc, kUpdateTitle, 349, 228);
  if (!window) return nullptr;
  child(window, "STATIC", "当前版本：V1.0", SS_LEFT, {35, 8, 120, 24});
  child(window, "STATIC", ("最新版本：V" + state.bulletin.latestVersion).c_str(), SS_LEFT,
        {184, 8, 120, 24});
  HWND notes = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                               8, 31, 328, 128, window, nullptr, instanceOf(window), nullptr);
  SendMessageA(notes, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont()), FALSE);
  SendMessageA(notes, EM_SETLIMITTEXT, 0, 0);
  setControlText(notes, state.bulletin.updateNotes);
  link(window, {26, 159, 288, 32}, "点击打开下载页面", state.bulletin.downloadUrl);
  ShowWindow(window, SW_SHOW);
  return window;
}

bool isToolWindow(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return std::strcmp(name, kAboutClass) == 0 || std::strcmp(name, kUpdateClass) == 0;
}
