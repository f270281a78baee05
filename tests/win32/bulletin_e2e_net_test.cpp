// The real tool under Wine with bulletins from the stand-in HTTP server: the notice line,
// the advertisement link, the update window, and the about window.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/code_pages.h"
#include "tests/driver/tool_driver_win.h"
#include "tests/support/test_files_win.h"
#include "tests/support/tool_places_win.h"

namespace {

class BulletinTest : public testing::Test {
 protected:
  // Serves the bulletin (given in GBK here, sent as UTF-8) and starts the tool with it.
  void startWith(const Text& bulletin) {
    const char* files = std::getenv("QUIZ_STAND_IN_FILES");
    const char* port = std::getenv("QUIZ_STAND_IN_PORT");
    ASSERT_TRUE(files && port);
    Text name = "bulletin-" + std::to_string(GetTickCount()) + ".txt";
    Text path = hostPathToWindows(Text(files) + "/" + name);
    ASSERT_TRUE(writeTestFile(path, toUtf8(bulletin)));
    startAt(Text("http://127.0.0.1:") + port + "/files/" + name);
  }
  void startAt(const Text& url) {
    SetEnvironmentVariableA("QUIZ_BULLETIN_URL", url.c_str());
    tool_ = ToolProcess::start();
    ASSERT_TRUE(tool_);
    window_ = tool_->waitForMainWindow();
    ASSERT_NE(window_, nullptr);
  }
  HWND control(const ClientPlace& place) { return controlAt(window_, place); }

  std::optional<ToolProcess> tool_;
  HWND window_ = nullptr;
};

TEST_F(BulletinTest, NoticeAndAdvertisementAreShown) {
  startWith("<公告开始>今日通知\r\n第二行<公告结束><广告标题开始>题库下载<广告标题结束>"
            "<广告链接开始>http://a.cn/banks<广告链接结束><最新版本>1.0<最新版本结束>");
  EXPECT_EQ(windowText(control(k公告)), "今日通知\r\n第二行");
  HWND link = control(k广告超级链接框);
  EXPECT_TRUE(IsWindowVisible(link));
  EXPECT_EQ(windowText(link), "题库下载");
  EXPECT_EQ(findTopWindow("检查更新", 500), nullptr);
}

TEST_F(BulletinTest, NoAdvertKeepsTheLinkHidden) {
  startWith("<公告开始>通知<公告结束><广告标题开始>暂无广告<广告标题结束>"
            "<广告链接开始>http://a.cn<广告链接结束>");
  EXPECT_EQ(windowText(control(k公告)), "通知");
  EXPECT_FALSE(IsWindowVisible(control(k广告超级链接框)));
}

TEST_F(BulletinTest, AnotherVersionOpensTheUpdateWindowAndClosingItEndsTheTool) {
  startWith("<最新版本>2.0<最新版本结束><更新说明开始>修复了若干问题<更新说明结束>"
            "<最新版本地址开始>http://a.cn/new<最新版本地址结束>");
  HWND update = findTopWindow("检查更新", 5000, tool_->id());
  ASSERT_NE(update, nullptr);
  RECT outer;
  GetWindowRect(update, &outer);
  EXPECT_EQ(outer.right - outer.left, 349);
  EXPECT_EQ(outer.bottom - outer.top, 228);
  EXPECT_EQ(windowText(controlAt(update, {35, 8, 120, 24})), "当前版本：V1.0");
  EXPECT_EQ(windowText(controlAt(update, {184, 8, 120, 24})), "最新版本：V2.0");
  EXPECT_EQ(windowText(controlAt(update, {8, 31, 328, 128})), "修复了若干问题");
  EXPECT_EQ(windowText(controlAt(update, {26, 159, 288, 32})), "点击打开下载页面");
  EXPECT_EQ(GetWindow(update, GW_OWNER), window_);
  EXPECT_TRUE(IsWindowEnabled(window_)) << "the main window stays usable";
  PostMessageA(update, WM_CLOSE, 0, 0);
  EXPECT_EQ(tool_->waitForExit(10000), std::optional<DWORD>(0));
}

TEST_F(BulletinTest, InvalidUtf8IsNoBulletin) {
  const char* files = std::getenv("QUIZ_STAND_IN_FILES");
  const char* port = std::getenv("QUIZ_STAND_IN_PORT");
  ASSERT_TRUE(files && port);
  Text path = hostPathToWindows(Text(files) + "/invalid.txt");
  ASSERT_TRUE(writeTestFile(path, "<\xE5\x85\xAC\xE5\x91\x8A\xE5\xBC\x80\xE5\xA7\x8B>x\xFF<"));
  startAt(Text("http://127.0.0.1:") + port + "/files/invalid.txt");
  EXPECT_EQ(windowText(control(k广告超级链接框)), "请点击留言");
  EXPECT_EQ(windowText(control(k公告)), "");
}

TEST_F(BulletinTest, EnormousFieldsAndOddLinks) {
  Text notice(200000, 'n');
  startWith("<公告开始>" + notice + "<公告结束><广告标题开始>看这里<广告标题结束>"
            "<广告链接开始>file:///C:/Windows/system32/calc.exe<广告链接结束>");
  EXPECT_EQ(windowText(control(k公告)), notice);
  EXPECT_EQ(windowText(control(k广告超级链接框)), "看这里");
  // A click on a link that is no web address opens nothing, and the tool goes on.
  HWND link = control(k广告超级链接框);
  PostMessageA(link, WM_LBUTTONUP, 0, 0);
  Sleep(300);
  EXPECT_FALSE(tool_->waitForExit(0));
  EXPECT_EQ(windowText(control(k公告)), notice);
}

TEST_F(BulletinTest, NoServerShowsTheFeedbackLink) {
  startAt("http://127.0.0.1:9/bulletin");
  HWND link = control(k广告超级链接框);
  EXPECT_TRUE(IsWindowVisible(link));
  EXPECT_EQ(windowText(link), "请点击留言");
  EXPECT_EQ(windowText(control(k公告)), "");
}

TEST_F(BulletinTest, AboutWindowOpensBesideTheMainWindow) {
  startAt("http://127.0.0.1:9/bulletin");
  clickButton(control(k关于软件));
  HWND about = findTopWindow("关于  澄川网上答题辅助工具软件", 5000, tool_->id());
  ASSERT_NE(about, nullptr);
  RECT outer;
  GetWindowRect(about, &outer);
  EXPECT_EQ(outer.right - outer.left, 358);
  EXPECT_EQ(outer.bottom - outer.top, 140);
  EXPECT_EQ(windowText(controlAt(about, {124, 7, 176, 49})),
            "\xA1\xA1 澄川网上答题辅助工具软件\r\n          版本 V1.0");
  EXPECT_EQ(windowText(controlAt(about, {237, 60, 88, 16})), "点击留言反馈");
  EXPECT_NE(controlAt(about, {8, 8, 80, 80}), nullptr);
  // The main window still searches while the about window is open.
  EXPECT_TRUE(IsWindowEnabled(window_));
  typeText(control(k编辑框3), "3");
  EXPECT_EQ(windowText(control(k编辑框3)), "3");
  PostMessageA(about, WM_KEYDOWN, VK_ESCAPE, 0);
  Sleep(300);
  EXPECT_FALSE(IsWindow(about));
  EXPECT_FALSE(tool_->waitForExit(200)) << "closing the about window ends nothing";
}

}  // namespace
