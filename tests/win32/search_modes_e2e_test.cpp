// The real tool under Wine: the two search modes, folding, the focus rules and the
// clipboard poll of the automatic search.

#include <windows.h>

#include <gtest/gtest.h>

#include "search/clipboard_win.h"
#include "tests/driver/tool_driver_win.h"
#include "tests/support/test_files_win.h"
#include "tests/support/tool_places_win.h"

namespace {

const Text kListing =
    "相关内容如下：\r\n题目甲在这里\r\n答案甲\r\n\r\n\r\n\r\n"
    "---------------华丽的分割线------------------";

class SearchModesTest : public testing::Test {
 protected:
  void SetUp() override { startTool(); }
  void TearDown() override { DeleteFileA(bank_.c_str()); }

  // Starts the tool, with Wine's DLL overrides extended by these, and drops a bank.
  void startTool(const char* extraOverrides = nullptr) {
    Text overrides = Text("mscoree,mshtml=") + (extraOverrides ? extraOverrides : "");
    SetEnvironmentVariableA("WINEDLLOVERRIDES", overrides.c_str());
    tool_ = ToolProcess::start();
    SetEnvironmentVariableA("WINEDLLOVERRIDES", "mscoree,mshtml=");
    ASSERT_TRUE(tool_);
    window_ = tool_->waitForMainWindow();
    ASSERT_NE(window_, nullptr);
    resultsBox_ = control(k编辑框2);  // found once: its height changes with the mode
    bank_ = temporaryFolder() + "modes.txt";
    ASSERT_TRUE(writeTestFile(bank_, "题目甲在这里\r\n答案甲\r\n"));
    ASSERT_TRUE(dropFiles(window_, {bank_}));
  }

  HWND control(const ClientPlace& place) { return controlAt(window_, place); }
  Text results() { return windowText(resultsBox_); }
  int height(const ClientPlace& place) { return placeOf(control(place)).height; }
  int windowHeight() {
    RECT rect;
    GetWindowRect(window_, &rect);
    return rect.bottom - rect.top;
  }
  // Sent, not posted: each has been handled when the call returns.
  void click(HWND target) {
    SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  }
  HWND focus() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return info.hwndFocus;
  }
  // Waits a few poll periods for the results box to show the text.
  bool resultsBecome(const Text& expected) {
    for (int i = 0; i < 100; ++i) {
      if (results() == expected) return true;
      Sleep(50);
    }
    return false;
  }

  std::optional<ToolProcess> tool_;
  HWND window_ = nullptr;
  HWND resultsBox_ = nullptr;
  Text bank_;
};

TEST_F(SearchModesTest, TwoClicksOfTheModeButtonRestoreManualMode) {
  clickButton(control(k检索方式));
  EXPECT_EQ(windowText(control(k检索方式)), "手动检索");
  EXPECT_TRUE(IsWindowEnabled(control(k按钮_截图)));
  EXPECT_FALSE(IsWindowVisible(control(k编辑框1)));
  EXPECT_EQ(placeOf(resultsBox_).height, 277);

  clickButton(control(k检索方式));
  EXPECT_EQ(windowText(control(k检索方式)), "自动检索");
  EXPECT_FALSE(IsWindowEnabled(control(k按钮_截图)));
  EXPECT_TRUE(IsWindowVisible(control(k编辑框1)));
  EXPECT_EQ(height(k编辑框2), 223);
}

TEST_F(SearchModesTest, FoldBarFoldsAndUnfolds) {
  HWND bar = control(k图片框_伸展);
  SendMessageA(bar, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(windowHeight(), 323);
  SendMessageA(bar, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(windowHeight(), 410);
  SendMessageA(bar, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(windowHeight(), 323);
}

TEST_F(SearchModesTest, AutomaticModeSearchesAndErasesCopiedText) {
  clickButton(control(k检索方式));
  ASSERT_TRUE(setClipboardText("题目甲"));
  EXPECT_TRUE(resultsBecome(kListing)) << results();
  EXPECT_EQ(clipboardText(), "");
  ASSERT_TRUE(setClipboardText("没有这道题"));
  EXPECT_TRUE(resultsBecome("未能匹配到您的选择文本！")) << results();
  EXPECT_EQ(clipboardText(), "");
}

TEST_F(SearchModesTest, ManualModeLeavesTheClipboardAlone) {
  Text before = results();
  ASSERT_TRUE(setClipboardText("题目甲"));
  Sleep(1200);
  EXPECT_EQ(results(), before);
  EXPECT_EQ(clipboardText(), "题目甲");
  // Back from automatic mode the poll is stopped again.
  clickButton(control(k检索方式));
  clickButton(control(k检索方式));
  ASSERT_TRUE(setClipboardText("答案甲"));
  Sleep(1200);
  EXPECT_EQ(clipboardText(), "答案甲");
}

TEST_F(SearchModesTest, EditingTheCountPausesThePollAndDropsWhatWasCopied) {
  clickButton(control(k检索方式));
  Text before = results();
  click(control(k编辑框3));
  ASSERT_EQ(focus(), control(k编辑框3));
  ASSERT_TRUE(setClipboardText("题目甲"));
  Sleep(1200);
  EXPECT_EQ(results(), before);
  EXPECT_EQ(clipboardText(), "题目甲");

  click(resultsBox_);  // the results box passes the focus on, so the count box loses it
  EXPECT_NE(focus(), control(k编辑框3));
  EXPECT_EQ(clipboardText(), "");
  Sleep(700);
  EXPECT_EQ(results(), before);
  // The poll runs again.
  ASSERT_TRUE(setClipboardText("题目甲"));
  EXPECT_TRUE(resultsBecome(kListing)) << results();
}

TEST_F(SearchModesTest, ResultsBoxNeverKeepsTheFocus) {
  click(resultsBox_);
  HWND focused = focus();
  EXPECT_NE(focused, resultsBox_);
  EXPECT_NE(focused, control(k编辑框3));
  EXPECT_TRUE(IsWindowVisible(focused) && IsWindowEnabled(focused));
}

TEST_F(SearchModesTest, CountBoxInManualModeLeavesTheClipboardAlone) {
  click(control(k编辑框3));
  ASSERT_TRUE(setClipboardText("kept"));
  click(resultsBox_);
  EXPECT_EQ(clipboardText(), "kept");
}

// Without DirectInput no copy keystroke is sent, but what the user copies is searched.
class WithoutDirectInputTest : public SearchModesTest {
 protected:
  void SetUp() override { startTool(";dinput=d"); }
};

TEST_F(WithoutDirectInputTest, PollStillSearchesCopiedText) {
  clickButton(control(k检索方式));
  ASSERT_TRUE(setClipboardText("题目甲"));
  EXPECT_TRUE(resultsBecome(kListing)) << results();
  EXPECT_EQ(clipboardText(), "");
}

}  // namespace
