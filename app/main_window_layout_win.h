#pragma once
// The main window's controls at their places, in their initial states.

#include "app/main_window_win.h"

enum MainWindowControlId : int {
  kId编辑框2 = 101,
  kId编辑框1,
  kId图片框_伸展,
  kId透明标签1,
  kId编辑框3,
  kId编辑框3_调节器,
  kId关于软件,
  kId检索方式,
  kId按钮_截图,
  kId公告,
  kId广告超级链接框,
  kId图片框_图片数据,
  kId编辑框_识别结果,
  kId时钟1,
  kId输入设备1,
};

inline constexpr COLORREF kDarkGrey = RGB(40, 40, 40);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);

void createMainWindowControls(MainWindow& main);
