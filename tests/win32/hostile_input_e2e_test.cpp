// Hostile banks dropped on the real tool: it stays responsive and shows what the rules say.

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/driver/tool_driver_win.h"
#include "tests/support/test_files_win.h"
#include "tests/support/tool_places_win.h"

namespace {

const Text kDivider = "---------------华丽的分割线------------------";

class HostileBankTest : public testing::Test {
 protected:
  void SetUp() override {
    tool_ = ToolProcess::start();
    ASSERT_TRUE(tool_);
    window_ = tool_->waitForMainWindow();
    ASSERT_NE(window_, nullptr);
    folder_ = temporaryFolder();
  }
  void TearDown() override {
    for (const Text& path : files_) DeleteFileA(path.c_str());
  }

  Text write(const Text& name, const Text& bytes) {
    Text path = folder_ + name;
    EXPECT_TRUE(writeTestFile(path, bytes)) << path;
    files_.push_back(path);
    return path;
  }
  // The results box's text, or "(no answer)" when the window does not answer in time.
  Text results() {
    HWND box = controlAt(window_, k编辑框2);
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(box, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
      return "(no answer)";
    }
    return windowText(box);
  }
  void query(const Text& text) { typeText(controlAt(window_, k编辑框1), text); }
  void drop(const Text& path) { ASSERT_TRUE(dropFiles(window_, {path})); }

  std::optional<ToolProcess> tool_;
  HWND window_ = nullptr;
  Text folder_;
  std::vector<Text> files_;
};

TEST_F(HostileBankTest, OddBytesLoadAndSearchByTheRules) {
  struct Case {
    const char* name;
    Text bytes;
    Text query;
    Text expected;
  };
  const Case cases[] = {
      {"only CR LF", "\r\n\r\n\r\n", "", "未能匹配到您的选择文本！"},
      {"0x1A first", "\x1Aq1\r\n", "q1", "未能匹配到您的选择文本！"},
      {"bytes 0x80 and 0xFF", "\x80\xFF\x80q\r\nq", "q", "相关内容如下：\r\nq\r\n\r\n\r\n\r\n\r\n" + kDivider},
  };
  int file = 0;
  for (const Case& c : cases) {
    drop(write("hostile-" + std::to_string(++file) + ".txt", c.bytes));
    query(c.query + " ");  // a change, then the query itself
    query(c.query);
    EXPECT_EQ(results(), c.expected) << c.name;
  }
}

// The edit box shows a listing of a cut-off lead byte as its own conversion makes it.
TEST_F(HostileBankTest, CutOffLeadByteAtTheEnd) {
  drop(write("cut-lead.txt", "q1\r\nlast\x81"));
  query("last");
  EXPECT_TRUE(results().starts_with("相关内容如下：\r\nlast")) << results();
  EXPECT_TRUE(results().ends_with(kDivider));
}

// A line of 50 MB is found, and shown cut to 64 KiB, so that the box stays usable.
TEST_F(HostileBankTest, HugeLineStaysResponsive) {
  Text line(50u << 20, 'x');
  line += "needle";
  drop(write("huge.txt", line));
  query("needle");
  Text shown = results();
  EXPECT_EQ(shown, "相关内容如下：\r\n" + Text(64 * 1024, 'x') + "\r\n\r\n\r\n\r\n\r\n" + kDivider);
  query("absent");
  EXPECT_EQ(results(), "未能匹配到您的选择文本！");
}

TEST_F(HostileBankTest, PathWithSpacesAndChineseCharacters) {
  CreateDirectoryA((folder_ + "题库 目录").c_str(), nullptr);
  Text path = write("题库 目录\\我的 题库.txt", "第一题 题干\r\n答案\r\n");
  drop(path);
  EXPECT_EQ(results(), "您选择的题库是：" + path);
  query("题干");
  EXPECT_TRUE(results().starts_with("相关内容如下：\r\n第一题 题干\r\n答案")) << results();
  DeleteFileA(path.c_str());
  RemoveDirectoryA((folder_ + "题库 目录").c_str());
}

}  // namespace
