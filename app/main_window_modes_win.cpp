// The main window's two search modes, folding, and the focus rules.

#include "app/fold_pictures.h"
#include "app/main_window_handlers_win.h"
#include "app/picture_box_win.h"
#include "search/clipboard_win.h"

namespace {

constexpr char kToAutomaticCaption[] = "自动检索";
constexpr char kToManualCaption[] = "手动检索";
constexpr UINT kClipboardPollMs = 500;
constexpr UINT kMousePollMs = 50;
constexpr UINT kIdleMousePollMs = 50000;
constexpr int kQueryBoxRoom = 54;
constexpr int kFoldedHeight = 323;
constexpr int kUnfoldedHeight = 410;

// The caption names the mode a click switches to, so "手动检索" means automatic mode.
bool captionSaysAutomatic(const MainWindow& main) {
  return controlText(main.检索方式) == kToManualCaption;
}

void switchToManual(MainWindow& main) {
  main.时钟1.setPeriod(0);
  setControlText(main.检索方式, kToAutomaticCaption);
  EnableWindow(main.按钮_截图, FALSE);
  setControlHeight(main.编辑框2, controlHeight(main.编辑框2) - kQueryBoxRoom);
  ShowWindow(main.编辑框1, SW_SHOW);
  main.输入设备1->enableMouse(false);
  main.输入设备1->setPollInterval(kIdleMousePollMs);
}

void switchToAutomatic(MainWindow& main) {
  main.时钟1.setPeriod(kClipboardPollMs);
  setControlText(main.检索方式, kToManualCaption);
  EnableWindow(main.按钮_截图, TRUE);
  ShowWindow(main.编辑框1, SW_HIDE);
  setControlHeight(main.编辑框2, controlHeight(main.编辑框2) + kQueryBoxRoom);
  main.输入设备1->enableMouse(true);
  main.输入设备1->setPollInterval(kMousePollMs);
}

}  // namespace

void onModeButton(MainWindow& main) {
  if (main.时钟1.period() != 0) {
    switchToManual(main);
  } else {
    switchToAutomatic(main);
  }
  main.输入设备1->initialise();
}

void onFoldBarDoubleClick(MainWindow& main) {
  if (windowHeight(main.window) == kFoldedHeight) {
    setPicture(main.图片框_伸展, foldPicture(true));
    setWindowHeight(main.window, kUnfoldedHeight);
  } else {
    setWindowHeight(main.window, kFoldedHeight);
    setPicture(main.图片框_伸展, foldPicture(false));
  }
}

// The results box never keeps the focus. The about button takes it: always visible and
// enabled, and neither the count box nor a box whose selection a copy would take.
void onResultsFocused(MainWindow& main) {
  if (GetFocus() == main.编辑框2) SetFocus(main.关于软件);
}

void onCountFocused(MainWindow& main) {
  if (captionSaysAutomatic(main)) main.时钟1.setPeriod(0);
}

void onCountLeft(MainWindow& main) {
  if (!captionSaysAutomatic(main)) return;
  emptyClipboard();
  main.时钟1.setPeriod(kClipboardPollMs);
}
