#pragma once
// The tool's main window: a small, fixed, always-on-top window beside the quiz page.

#include <windows.h>

#include <memory>

#include "app/app_state_win.h"
#include "app/controls_win.h"
#include "search/mouse_watcher_win.h"

inline constexpr char kMainWindowTitle[] = "澄川网上答题辅助工具软件";
inline constexpr int kMainWindowWidth = 371;
inline constexpr int kMainWindowHeight = 413;

inline constexpr char kUsageNotice[] =
    "声明：一切违规操作与本软件无关，后果自负。\r\n\r\n"
    "使用软件前，请将题库文件拖入本窗口，否则无法使用软件相关功能，"
    "题库文件仅支持扩展名为.txt且编码格式为ANSI的文本文件。\r\n\r\n"
    "软件支持手动检索和自动检索两种模式。\r\n"
    "手动模式请自行在下方的文本框里输入要检索的文字。\r\n"
    "自动检索有两种方式。一种支持能够复制的文本，只要用鼠标选中相关文本即可；"
    "第二种为不支持复制的文本，需使用截图检索方式，选取文本部分，软件识别出文字后，进入自动检索。";

// The main window and its controls, named as the handlers know them.
struct MainWindow {
  explicit MainWindow(AppState& appState) : state(appState) {}

  AppState& state;
  HWND window = nullptr;
  HWND 编辑框2 = nullptr;
  HWND 编辑框1 = nullptr;
  HWND 图片框_伸展 = nullptr;
  HWND 透明标签1 = nullptr;
  HWND 编辑框3 = nullptr;
  HWND 编辑框3_调节器 = nullptr;
  HWND 关于软件 = nullptr;
  HWND 检索方式 = nullptr;
  HWND 按钮_截图 = nullptr;
  HWND 公告 = nullptr;
  HWND 广告超级链接框 = nullptr;
  HWND 图片框_图片数据 = nullptr;
  HWND 编辑框_识别结果 = nullptr;
  WindowTimer 时钟1{nullptr, 0};
  std::unique_ptr<MouseWatcher> 输入设备1;
  UniqueFont font;
  UniqueBrush darkGround;
};

// Creates and shows the main window; null when it cannot be created.
HWND createMainWindow(HINSTANCE instance, AppState& state);

// The keys the tool's windows handle for every control in them: Esc closes the window
// (the main window, the about or the update window), Tab moves among the main window's
// tab stops. True when the message was used up.
bool handleWindowKey(HWND mainWindow, const MSG& message);
