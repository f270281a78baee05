#include "tests/driver/tool_driver_win.h"

namespace {

struct ControlSearch {
  HWND top;
  ClientPlace place;
  HWND found;
};

BOOL CALLBACK matchControl(HWND child, LPARAM parameter) {
  auto* search = reinterpret_cast<ControlSearch*>(parameter);
  // EnumChildWindows also walks grandchildren, whose places are in other coordinates.
  if (GetParent(child) != search->top || placeOf(child) != search->place) return TRUE;
  search->found = child;
  return FALSE;
}

POINT clientPoint(HWND edit, LRESULT packed) {
  POINT point{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
  ClientToScreen(edit, &point);
  return point;
}

}  // namespace

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

Text windowText(HWND window) {
  LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT copied =
      SendMessageA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void typeText(HWND edit, const Text& text) {
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void setText(HWND window, const Text& text) {
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void clickButton(HWND button) {
  SendMessageA(button, BM_CLICK, 0, 0);
}

bool clickWithMouse(HWND control) {
  RECT rect;
  if (!GetWindowRect(control, &rect)) return false;
  if (!SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2)) return false;
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

std::optional<std::pair<POINT, POINT>> editLineSpan(HWND edit, int line) {
  LRESULT first = SendMessageA(edit, EM_LINEINDEX, line - 1, 0);
  if (line < 1 || first < 0) return std::nullopt;
  LRESULT length = SendMessageA(edit, EM_LINELENGTH, first, 0);
  if (length <= 0) return std::nullopt;
  POINT from = clientPoint(edit, SendMessageA(edit, EM_POSFROMCHAR, first, 0));
  POINT to = clientPoint(edit, SendMessageA(edit, EM_POSFROMCHAR, first + length - 1, 0));
  // EM_POSFROMCHAR gives a character's top left corner; aim inside the character.
  return std::pair{POINT{from.x + 1, from.y + 5}, POINT{to.x + 6, to.y + 5}};
}
