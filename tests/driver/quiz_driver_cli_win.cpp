// QuizDriver.exe: drives the running tool from a shell script (under Wine).
//
//   QuizDriver [--title TITLE] COMMAND ARGS...
//   wait-window [TIMEOUT_MS]        waits until the tool's window is there
//   get-text L T W H                prints the text of the control at that place
//   type-text L T W H TEXT          replaces an edit box's text as typing would
//   click L T W H                   clicks the button at that place
//   post-click L T W H              the same without waiting for the click's handler
//   state L T W H                   prints "enabled|disabled visible|hidden"
//   window-size                     prints the outer width and height
//   window-state                    prints "enabled|disabled visible|hidden" of the window
//   show-text X Y W H TEXT          shows TEXT large in a window of its own at that screen
//                                   place, until the process is ended
//   close                           closes the tool's window
//   drop PATH...                    drops the files (Unix or Windows paths) on the window
//   get-clipboard | set-clipboard TEXT | empty-clipboard
//   edit-line-span TITLE_PART LINE  screen points of the start and end of a line in the
//                                   edit box of the window whose title holds TITLE_PART
//   foreground TITLE_PART           brings that window to the front
// Exit code 0 on success; a message on stderr otherwise.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "search/clipboard_win.h"
#include "tests/driver/tool_driver_win.h"

namespace {

int fail(const char* message) {
  std::fprintf(stderr, "QuizDriver: %s\n", message);
  return 1;
}

void print(const Text& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputs("\n", stdout);
}

struct TitlePart {
  const char* part;
  HWND found;
};

BOOL CALLBACK matchTitlePart(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TitlePart*>(parameter);
  char title[512] = {};
  GetWindowTextA(window, title, sizeof title);
  if (IsWindowVisible(window) && std::strstr(title, search->part)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND windowWithTitlePart(const char* part) {
  TitlePart search{part, nullptr};
  EnumWindows(matchTitlePart, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int editLineSpan(const char* titlePart, int line) {
  HWND window = windowWithTitlePart(titlePart);
  if (!window) return fail("no window with that title");
  HWND edit = FindWindowExA(window, nullptr, "Edit", nullptr);
  if (!edit) return fail("that window has no edit box");
  LRESULT first = SendMessageA(edit, EM_LINEINDEX, line - 1, 0);
  if (first < 0) return fail("no such line");
  LRESULT length = SendMessageA(edit, EM_LINELENGTH, first, 0);
  if (length <= 0) return fail("the line is empty");
  LRESULT start = SendMessageA(edit, EM_POSFROMCHAR, first, 0);
  LRESULT end = SendMessageA(edit, EM_POSFROMCHAR, first + length - 1, 0);
  POINT from{static_cast<short>(LOWORD(start)), static_cast<short>(HIWORD(start))};
  POINT to{static_cast<short>(LOWORD(end)), static_cast<short>(HIWORD(end))};
  ClientToScreen(edit, &from);
  ClientToScreen(edit, &to);
  // Points inside the first and last characters.
  std::printf("%ld %ld %ld %ld\n", from.x + 1, from.y + 5, to.x + 6, to.y + 5);
  return 0;
}

LRESULT CALLBACK textWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HFONT font = CreateFontA(-40, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0,
                           ANTIALIASED_QUALITY, 0, "宋体");
  HGDIOBJ previous = SelectObject(dc, font);
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  DrawTextA(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  DeleteObject(font);
  EndPaint(window, &paint);
  return 0;
}

// A borderless window showing the text large, for the screenshot search to read.
int showText(const ClientPlace& place, const Text& text) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = textWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "QuizDriverText";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "QuizDriverText", text.c_str(), WS_POPUP | WS_VISIBLE,
                                place.left, place.top, place.width, place.height, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  if (!window) return fail("cannot open the text window");
  std::puts("shown");
  std::fflush(stdout);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

int run(const Text& title, const std::vector<Text>& args) {
  const Text& command = args[0];
  if (command == "get-clipboard") return print(clipboardText()), 0;
  if (command == "set-clipboard" && args.size() == 2) return setClipboardText(args[1]) ? 0 : fail("clipboard busy");
  if (command == "empty-clipboard") return emptyClipboard() ? 0 : fail("clipboard busy");
  if (command == "edit-line-span" && args.size() == 3) return editLineSpan(args[1].c_str(), std::atoi(args[2].c_str()));
  if (command == "foreground" && args.size() == 2) {
    HWND window = windowWithTitlePart(args[1].c_str());
    return window && SetForegroundWindow(window) ? 0 : fail("cannot bring it to the front");
  }

  if (command == "show-text" && args.size() == 6) {
    return showText({std::atoi(args[1].c_str()), std::atoi(args[2].c_str()),
                     std::atoi(args[3].c_str()), std::atoi(args[4].c_str())},
                    args[5]);
  }

  DWORD timeout = command == "wait-window" && args.size() == 2 ? std::atoi(args[1].c_str()) : 5000;
  HWND top = findTopWindow(title, timeout);
  if (!top) return fail("the tool's window is not there");
  if (command == "wait-window") return 0;
  if (command == "close") return PostMessageA(top, WM_CLOSE, 0, 0) ? 0 : fail("cannot close");
  if (command == "window-state") {
    std::printf("%s %s\n", IsWindowEnabled(top) ? "enabled" : "disabled",
                IsWindowVisible(top) ? "visible" : "hidden");
    return 0;
  }
  if (command == "window-size") {
    RECT rect;
    GetWindowRect(top, &rect);
    std::printf("%ld %ld\n", rect.right - rect.left, rect.bottom - rect.top);
    return 0;
  }
  if (command == "drop" && args.size() >= 2) {
    std::vector<Text> paths;
    for (std::size_t i = 1; i < args.size(); ++i) paths.push_back(hostPathToWindows(args[i]));
    return dropFiles(top, paths) ? 0 : fail("the drop was not accepted");
  }

  if (args.size() < 5) return fail("a control is named by its client place: L T W H");
  ClientPlace place{std::atoi(args[1].c_str()), std::atoi(args[2].c_str()),
                    std::atoi(args[3].c_str()), std::atoi(args[4].c_str())};
  HWND control = controlAt(top, place);
  if (!control) return fail("no control at that place");
  if (command == "get-text") return print(windowText(control)), 0;
  if (command == "type-text" && args.size() == 6) return typeText(control, args[5]), 0;
  if (command == "click") return clickButton(control), 0;
  if (command == "post-click") return PostMessageA(control, BM_CLICK, 0, 0) ? 0 : fail("cannot post");
  if (command == "state") {
    std::printf("%s %s\n", IsWindowEnabled(control) ? "enabled" : "disabled",
                IsWindowVisible(control) ? "visible" : "hidden");
    return 0;
  }
  return fail("unknown command");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<Text> args(argv + 1, argv + argc);
  Text title = kToolTitle;
  if (args.size() >= 2 && args[0] == "--title") {
    title = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return fail("usage: QuizDriver [--title TITLE] COMMAND ARGS...");
  return run(title, args);
}
