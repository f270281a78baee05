#pragma once
// The about window and the update window: small, not blocking the main window, which
// owns them.

#include <windows.h>

#include "app/app_state_win.h"

inline constexpr char kAboutTitle[] = "关于  澄川网上答题辅助工具软件";
inline constexpr char kUpdateTitle[] = "检查更新";

HWND openAboutWindow(HWND mainWindow, const AppState& state);
// Closing it, in any way, ends the program with exit code 0.
HWND openUpdateWindow(HWND mainWindow, const AppState& state);

// True for the tool's windows that Esc closes.
bool isToolWindow(HWND window);
