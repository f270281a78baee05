// Process entry: the start-up sequence, then the message loop.

#include <windows.h>
#include <commctrl.h>

#include "app/app_state_win.h"
#include "app/main_window_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);

  AppState& state = createAppState();

  HWND mainWindow = createMainWindow(instance, state);
  if (!mainWindow) return 0;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (handleMainWindowKey(mainWindow, message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
