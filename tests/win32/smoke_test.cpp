// Starts the real tool, finds its window by title and closes it.

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/driver/tool_driver_win.h"

namespace {

TEST(SmokeTest, WindowOpensWithItsTitleAndClosesWithExitCodeZero) {
  std::optional<ToolProcess> tool = ToolProcess::start();
  ASSERT_TRUE(tool);
  HWND window = tool->waitForMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(windowText(window), "澄川网上答题辅助工具软件");
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(tool->waitForExit(10000), std::optional<DWORD>(0));
}

}  // namespace
