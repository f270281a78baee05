#include "search/selection_capture_win.h"

#include <windows.h>

void sendCopyKeystroke() {
  keybd_event(VK_CONTROL, 0, 0, 0);
  keybd_event('C', 0, 0, 0);
  keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
  keybd_event('C', 0, KEYEVENTF_KEYUP, 0);
}
