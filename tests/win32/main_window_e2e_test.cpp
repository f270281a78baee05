// The real tool under Wine: its main window at start, bank drops and manual searches.

#include <windows.h>

#include <gtest/gtest.h>

#include "search/clipboard_win.h"
#include "tests/driver/tool_driver_win.h"
#include "tests/support/test_files_win.h"
#include "tests/support/tool_places_win.h"

namespace {

const Text kDivider = "---------------华丽的分割线------------------";
const Text kNoMatch = "未能匹配到您的选择文本！";

Text joinLines(std::initializer_list<Text> lines) {
  Text joined;
  for (const Text& line : lines) joined += (joined.empty() ? "" : "\r\n") + line;
  return joined;
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = temporaryFolder();
    setClipboardText("copied before the start");
    tool_ = ToolProcess::start();
    ASSERT_TRUE(tool_);
    window_ = tool_->waitForMainWindow();
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    for (const Text& path : files_) DeleteFileA(path.c_str());
  }

  HWND control(const ClientPlace& place) {
    HWND found = controlAt(window_, place);
    EXPECT_NE(found, nullptr) << place.left << "," << place.top;
    return found;
  }
  Text results() { return windowText(control(k编辑框2)); }
  void query(const Text& text) { typeText(control(k编辑框1), text); }

  Text writeBank(const char* name, const Text& bytes) {
    Text path = folder_ + name;
    EXPECT_TRUE(writeTestFile(path, bytes)) << path;
    files_.push_back(path);
    return path;
  }
  void dropBank(const Text& path) { ASSERT_TRUE(dropFiles(window_, {path})); }

  Text folder_;
  std::vector<Text> files_;
  std::optional<ToolProcess> tool_;
  HWND window_ = nullptr;
};

TEST_F(MainWindowTest, OpensWithTheLayoutInItsInitialState) {
  RECT outer;
  GetWindowRect(window_, &outer);
  EXPECT_EQ(outer.right - outer.left, 371);
  EXPECT_EQ(outer.bottom - outer.top, 413);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 371) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 413) / 2);
  LONG style = GetWindowLongA(window_, GWL_STYLE);
  LONG extended = GetWindowLongA(window_, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(extended & WS_EX_TOPMOST);
  EXPECT_TRUE(extended & WS_EX_APPWINDOW);

  EXPECT_TRUE(results().starts_with("声明：一切违规操作与本软件无关，后果自负。\r\n\r\n使用软件前"));
  EXPECT_TRUE(results().ends_with("软件识别出文字后，进入自动检索。"));
  EXPECT_EQ(windowText(control(k编辑框3)), "5");
  EXPECT_EQ(windowText(control(k透明标签1)), "显示行数：");
  EXPECT_EQ(windowText(control(k检索方式)), "自动检索");
  EXPECT_EQ(windowText(control(k按钮_截图)), "截图检索");
  EXPECT_EQ(windowText(control(k关于软件)), "关于软件");
  EXPECT_EQ(windowText(control(k公告)), "");
  EXPECT_EQ(windowText(control(k广告超级链接框)), "请点击留言");
  struct Expected {
    ClientPlace place;
    bool enabled, visible;
  };
  for (const Expected& e : {Expected{k编辑框1, false, true}, Expected{k检索方式, false, true},
                            Expected{k按钮_截图, false, true}, Expected{k关于软件, true, true},
                            Expected{k编辑框3, true, true}, Expected{k图片框_伸展, true, true},
                            // No bulletin arrives in tests: the feedback link shows.
                            Expected{k广告超级链接框, true, true},
                            Expected{k图片框_图片数据, true, false},
                            Expected{k编辑框_识别结果, true, false}}) {
    HWND found = control(e.place);
    EXPECT_EQ(IsWindowEnabled(found) != 0, e.enabled) << e.place.left << "," << e.place.top;
    EXPECT_EQ(IsWindowVisible(found) != 0, e.visible) << e.place.left << "," << e.place.top;
  }
  EXPECT_EQ(clipboardText(), "") << "text copied before the start is gone";
}

TEST_F(MainWindowTest, DroppedBankIsSearchedAsTyped) {
  Text path = writeBank("题库 一.txt",
                        "1. 我国的首都是哪座城市？\r\nA. 上海\r\nB. 北京\r\nC. 广州\r\n答案：B\r\n"
                        "Which planet is the Red Planet?\r\nA. Mars\r\n");
  dropBank(path);
  EXPECT_EQ(results(), "您选择的题库是：" + path);
  EXPECT_TRUE(IsWindowEnabled(control(k编辑框1)));
  EXPECT_TRUE(IsWindowEnabled(control(k检索方式)));

  query("首都");
  EXPECT_EQ(results(), joinLines({"相关内容如下：", "1. 我国的首都是哪座城市？", "A. 上海",
                                  "B. 北京", "C. 广州", "答案：B", kDivider}));
  query("red PLANET");
  EXPECT_EQ(results(), joinLines({"相关内容如下：", "Which planet is the Red Planet?", "A. Mars",
                                  "", "", "", kDivider}));
  query("上海\r\nB");
  EXPECT_EQ(results(), kNoMatch);
  query("没有的题");
  EXPECT_EQ(results(), kNoMatch);
}

TEST_F(MainWindowTest, EmptyQueryListsTheFirstTwentyNonEmptyLines) {
  Text bank;
  for (int i = 1; i <= 25; ++i) bank += "q" + std::to_string(i) + "\r\n\r\n";
  dropBank(writeBank("many.txt", bank));
  query("q");
  Text twentyFive = results();
  query("");
  EXPECT_EQ(results(), twentyFive);
  Text expected = "相关内容如下：";
  for (int i = 1; i <= 20; ++i) {
    expected += "\r\nq" + std::to_string(i) + "\r\n\r\nq" + std::to_string(i + 1) + "\r\n\r\n";
    expected += (i + 2 <= 25 ? "q" + std::to_string(i + 2) : Text()) + "\r\n" + kDivider;
  }
  EXPECT_EQ(results(), expected);
}

TEST_F(MainWindowTest, DisplayCountOfThreeAtTheLastLine) {
  dropBank(writeBank("last.txt", "a\r\nb\r\nlast question"));
  typeText(control(k编辑框3), "3");
  query("LAST");
  EXPECT_EQ(results(), joinLines({"相关内容如下：", "last question", "", "", kDivider}));
  typeText(control(k编辑框3), "0");
  query("last");
  EXPECT_EQ(results(), joinLines({"相关内容如下：", "last question", kDivider}));
}

TEST_F(MainWindowTest, RefusedDropKeepsTheBankLoadedBefore) {
  dropBank(writeBank("first.txt", "first bank line\r\n"));
  Text refused = writeBank("second.TXT", "second bank line\r\n");
  dropBank(refused);
  EXPECT_EQ(results(),
            "您选择的题库文件不正确，题库文件目前仅支持扩展名为.txt且编码格式为ANSI的文本文件！：");
  query("first bank");
  EXPECT_EQ(results(), joinLines({"相关内容如下：", "first bank line", "", "", "", "", kDivider}));

  ASSERT_TRUE(dropFiles(window_, {writeBank("a.txt", "x"), writeBank("b.txt", "y")}));
  EXPECT_TRUE(results().starts_with("您选择的题库文件不正确"));
}

TEST_F(MainWindowTest, BankEndsAtSubstituteByte) {
  dropBank(writeBank("cut.txt", Text("kept line\r\nsecond\x1A" "hidden line\r\n")));
  query("hidden");
  EXPECT_EQ(results(), kNoMatch);
  query("second");
  EXPECT_EQ(results(), joinLines({"相关内容如下：", "second", "", "", "", "", kDivider}));
}

TEST_F(MainWindowTest, UnreadableBankIsReportedAndTheOldOneKept) {
  dropBank(writeBank("good.txt", "good line\r\n"));
  Text locked = writeBank("locked.txt", "locked line\r\n");
  HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  dropBank(locked);
  CloseHandle(holder);
  EXPECT_EQ(results(), "题库文件无法读取：" + locked);
  query("good");
  EXPECT_EQ(results(), joinLines({"相关内容如下：", "good line", "", "", "", "", kDivider}));
}

TEST_F(MainWindowTest, EscapeClosesWithExitCodeZero) {
  PostMessageA(control(k编辑框3), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(tool_->waitForExit(10000), std::optional<DWORD>(0));
}

TEST_F(MainWindowTest, TabMovesAmongTheEnabledTabStops) {
  dropBank(writeBank("tab.txt", "x\r\n"));
  DWORD thread = GetWindowThreadProcessId(window_, nullptr);
  auto focus = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    return info.hwndFocus;
  };
  auto pressTab = [&] {
    PostMessageA(focus() ? focus() : window_, WM_KEYDOWN, VK_TAB, 0);
    Sleep(100);
  };
  SetForegroundWindow(window_);
  pressTab();
  HWND first = focus();
  std::vector<HWND> visited;
  for (int i = 0; i < 3; ++i) {
    visited.push_back(focus());
    pressTab();
  }
  // The screenshot button is disabled in manual mode: the cycle has three stops.
  EXPECT_EQ(focus(), first);
  std::vector<HWND> stops = {control(k编辑框1), control(k关于软件), control(k检索方式)};
  for (HWND stop : stops) EXPECT_NE(std::find(visited.begin(), visited.end(), stop), visited.end());
}

}  // namespace
