#include "tests/driver/tool_driver_win.h"

namespace {

struct TopWindowSearch {
  const Text* title;
  DWORD processId;
  HWND found;
};

BOOL CALLBACK matchTopWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TopWindowSearch*>(parameter);
  if (!IsWindowVisible(window) || windowText(window) != *search->title) return TRUE;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (search->processId != 0 && owner != search->processId) return TRUE;
  search->found = window;
  return FALSE;
}

struct ControlSearch {
  HWND top;
  ClientPlace place;
  HWND found;
};

BOOL CALLBACK matchControl(HWND child, LPARAM parameter) {
  auto* search = reinterpret_cast<ControlSearch*>(parameter);
  if (GetParent(child) != search->top) return TRUE;
  ClientPlace place = placeOf(child);
  if (place.left == search->place.left && place.top == search->place.top &&
      place.width == search->place.width && place.height == search->place.height) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND findTopWindow(const Text& title, DWORD timeoutMs, DWORD processId) {
  for (DWORD waited = 0;; waited += 50) {
    TopWindowSearch search{&title, processId, nullptr};
    EnumWindows(matchTopWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found || waited >= timeoutMs) return search.found;
    Sleep(50);
  }
}

ClientPlace placeOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

HWND controlAt(HWND top, const ClientPlace& place) {
  ControlSearch search{top, place, nullptr};
  EnumChildWindows(top, matchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// GetWindowText does not ask a control of another process for its text; WM_GETTEXT does.
Text windowText(HWND window) {
  LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT copied = SendMessageA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void typeText(HWND edit, const Text& text) {
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void clickButton(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

Text hostPathToWindows(const Text& path) {
  if (path.empty() || path[0] != '/') return path;
  Text windows = "Z:" + path;
  for (char& c : windows) {
    if (c == '/') c = '\\';
  }
  return windows;
}
