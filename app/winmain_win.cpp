// Process entry: the start-up sequence, then the message loop.

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/app_state_win.h"
#include "app/main_window_win.h"
#include "skin/skin_attachment_win.h"

namespace {

// Windowing services: common controls, and OLE for the file drop target.
void initialiseWindowing() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  OleInitialize(nullptr);
}

int runMessageLoop(HWND mainWindow) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (handleWindowKey(mainWindow, message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  initialiseWindowing();
  AppState& state = createAppState();
  loadSkinModule(state);
  HWND mainWindow = createMainWindow(instance, state);
  if (!mainWindow) return 0;
  return runMessageLoop(mainWindow);
}
