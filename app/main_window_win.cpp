#include "app/main_window_win.h"

#include <array>
#include <memory>

#include "app/fold_pictures.h"
#include "app/main_window_handlers_win.h"
#include "app/main_window_layout_win.h"
#include "app/picture_box_win.h"
#include "app/secondary_windows_win.h"
#include "recognition/access_token_win.h"
#include "search/file_drop_target_win.h"
#include "skin/skin_attachment_win.h"
#include "search/clipboard_win.h"

namespace {

constexpr char kClassName[] = "QuizAssistantMain";
constexpr UINT kTokenFetched = WM_APP + 1;

MainWindow* mainOf(HWND window) {
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The creation steps, in their order.
void runCreationSteps(MainWindow& main) {
  attachSkin(main.state);
  emptyClipboard();
  registerFileDrop(main.window, [&main](const Text& paths) { onBankDropped(main, paths); });
  setPicture(main.图片框_伸展, foldPicture(true));
  applyBulletin(main);
  // The recognition's token, fetched once per run off the user-interface thread so that
  // start-up does not wait on the network; it arrives as kTokenFetched.
  startTokenFetch(main.window, kTokenFetched);
}

LRESULT onCreate(HWND window, const CREATESTRUCTA& create) {
  auto* main = static_cast<MainWindow*>(create.lpCreateParams);
  main->window = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(main));
  createMainWindowControls(*main);
  main->输入设备1 = std::make_unique<MouseWatcher>(
      window, kId输入设备1, [main](int code, int state) { onMouseButton(*main, code, state); });
  runCreationSteps(*main);
  return 0;
}

LRESULT onCommand(MainWindow& main, WPARAM wParam) {
  int id = LOWORD(wParam);
  int code = HIWORD(wParam);
  if (id == kId编辑框1 && code == EN_CHANGE) onQueryChanged(main);
  if (id == kId关于软件 && code == BN_CLICKED) openAboutWindow(main.window, main.state);
  if (id == kId检索方式 && code == BN_CLICKED) onModeButton(main);
  if (id == kId按钮_截图 && code == BN_CLICKED) onScreenshotButton(main);
  if (id == kId图片框_伸展 && code == STN_DBLCLK) onFoldBarDoubleClick(main);
  if (id == kId编辑框2 && code == EN_SETFOCUS) onResultsFocused(main);
  if (id == kId编辑框3 && code == EN_SETFOCUS) onCountFocused(main);
  if (id == kId编辑框3 && code == EN_KILLFOCUS) onCountLeft(main);
  return 0;
}

LRESULT onTokenFetched(MainWindow& main, LPARAM token) {
  std::unique_ptr<Text> fetched(reinterpret_cast<Text*>(token));
  main.state.accessToken = *fetched;
  return 0;
}

LRESULT onTimer(MainWindow& main, WPARAM timerId) {
  if (timerId == kId时钟1) onClipboardPoll(main);
  if (timerId == kId输入设备1) main.输入设备1->poll();
  return 0;
}

// The two dark boxes: white text on dark grey; the label shows the window's ground.
LRESULT onControlColour(MainWindow& main, HDC dc, HWND control) {
  if (control == main.编辑框2 || control == main.编辑框1) {
    SetTextColor(dc, kWhite);
    SetBkColor(dc, kDarkGrey);
    return reinterpret_cast<LRESULT>(main.darkGround.get());
  }
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// A press on the background drags the window like its title bar.
LRESULT onHitTest(HWND window, WPARAM wParam, LPARAM lParam) {
  LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
  return hit == HTCLIENT ? HTCAPTION : hit;
}

LRESULT onDestroy(MainWindow& main) {
  revokeFileDrop(main.window);
  main.输入设备1.reset();
  main.state.bankFile.reset();
  PostQuitMessage(0);
  return 0;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return onCreate(window, *reinterpret_cast<CREATESTRUCTA*>(lParam));
  MainWindow* main = mainOf(window);
  if (!main) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      return onCommand(*main, wParam);
    case WM_TIMER:
      return onTimer(*main, wParam);
    case kTokenFetched:
      return onTokenFetched(*main, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return onControlColour(*main, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NCHITTEST:
      return onHitTest(window, wParam, lParam);
    case WM_DESTROY:
      return onDestroy(*main);
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      delete main;
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

std::array<HWND, 4> tabStops(const MainWindow& main) {
  return {main.编辑框1, main.关于软件, main.检索方式, main.按钮_截图};
}

// Moves the focus to the next (or previous) enabled, visible tab stop.
void moveFocusByTab(const MainWindow& main, bool backwards) {
  std::array<HWND, 4> stops = tabStops(main);
  const int count = static_cast<int>(stops.size());
  HWND focus = GetFocus();
  int current = -1;
  for (int i = 0; i < count; ++i) {
    if (stops[i] == focus) current = i;
  }
  int start = current >= 0 ? current : (backwards ? 0 : count - 1);
  for (int step = 1; step <= count; ++step) {
    int next = (start + (backwards ? count - step : step)) % count;
    if (IsWindowEnabled(stops[next]) && IsWindowVisible(stops[next])) {
      SetFocus(stops[next]);
      return;
    }
  }
}

}  // namespace

HWND createMainWindow(HINSTANCE instance, AppState& state) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = mainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExA(&windowClass)) return nullptr;

  // The record lives as long as the window; WM_NCDESTROY deletes it.
  auto* main = new MainWindow(state);
  POINT place = centredOnScreen(kMainWindowWidth, kMainWindowHeight);
  HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_APPWINDOW, kClassName, kMainWindowTitle,
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                                place.x, place.y, kMainWindowWidth, kMainWindowHeight, nullptr,
                                nullptr, instance, main);
  if (!window) {
    delete main;
    return nullptr;
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return window;
}

bool handleWindowKey(HWND mainWindow, const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (message.wParam == VK_ESCAPE && (root == mainWindow || isToolWindow(root))) {
    PostMessageA(root, WM_CLOSE, 0, 0);
    return true;
  }
  if (root != mainWindow) return false;
  if (message.wParam == VK_TAB) {
    if (MainWindow* main = mainOf(mainWindow)) moveFocusByTab(*main, GetKeyState(VK_SHIFT) < 0);
    return true;
  }
  return false;
}
