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

constexpr DWORD kPollMs = 50;

}  // namespace

HWND findTopWindow(const Text& title, DWORD timeoutMs, DWORD processId) {
  for (DWORD waited = 0;; waited += kPollMs) {
    TopWindowSearch search{&title, processId, nullptr};
    EnumWindows(matchTopWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found || waited >= timeoutMs) return search.found;
    Sleep(kPollMs);
  }
}
