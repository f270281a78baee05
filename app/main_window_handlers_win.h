#pragma once
// The main window's handlers, each over the window's record and the state.

#include "app/main_window_win.h"

// Searching: the bank drop, the manual search, the clipboard poll, the copy keystroke.
void onBankDropped(MainWindow& main, const Text& paths);
void onQueryChanged(MainWindow& main);
void onClipboardPoll(MainWindow& main);
void onMouseButton(MainWindow& main, int code, int state);

// The remote bulletin: the notice line, the advertisement link, the update window.
void applyBulletin(MainWindow& main);

// The screenshot search: capture a region, then recognise it on a worker thread.
void onScreenshotButton(MainWindow& main);

// Modes, folding and focus.
void onModeButton(MainWindow& main);
void onFoldBarDoubleClick(MainWindow& main);
void onResultsFocused(MainWindow& main);
void onCountFocused(MainWindow& main);
void onCountLeft(MainWindow& main);
