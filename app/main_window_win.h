#pragma once
// The tool's main window: a small, fixed, always-on-top window beside the quiz page.

#include <windows.h>

#include "app/app_state_win.h"

inline constexpr char kMainWindowTitle[] = "澄川网上答题辅助工具软件";
inline constexpr int kMainWindowWidth = 371;
inline constexpr int kMainWindowHeight = 413;

// Creates and shows the main window; null when it cannot be created.
HWND createMainWindow(HINSTANCE instance, AppState& state);

// Translates the keys the main window handles for every control in it (Esc, Tab).
// Returns true when the message was used up.
bool handleMainWindowKey(HWND mainWindow, const MSG& message);
