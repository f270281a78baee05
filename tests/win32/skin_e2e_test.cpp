// The real tool under Wine with its skin attached, and with a broken skin module.

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/driver/tool_driver_win.h"
#include "tests/support/test_files_win.h"
#include "tests/support/tool_places_win.h"

namespace {

// The colour on the screen at a point of the window's client area.
COLORREF pixelAt(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

HWND startTool(std::optional<ToolProcess>& tool, const char* skinModule) {
  SetEnvironmentVariableA("QUIZ_SKIN_MODULE", skinModule);
  tool = ToolProcess::start();
  SetEnvironmentVariableA("QUIZ_SKIN_MODULE", nullptr);
  if (!tool) return nullptr;
  HWND window = tool->waitForMainWindow();
  Sleep(500);  // painted
  return window;
}

TEST(SkinTest, WindowsAreDrawnWithTheSkinColours) {
  std::optional<ToolProcess> tool;
  HWND window = startTool(tool, nullptr);
  ASSERT_NE(window, nullptr);
  // Values of skin/default.she: the window ground and the button face.
  EXPECT_EQ(pixelAt(window, 200, 340), RGB(226, 234, 246));
  EXPECT_EQ(pixelAt(window, 128, 318), RGB(58, 110, 180)) << "inside the about button";
  EXPECT_EQ(pixelAt(window, 300, 100), RGB(36, 44, 60)) << "the results box";
}

TEST(SkinTest, BrokenModuleLeavesTheSystemLook) {
  Text broken = temporaryFolder() + "broken-skin.dll";
  ASSERT_TRUE(writeTestFile(broken, "MZ broken"));
  std::optional<ToolProcess> tool;
  HWND window = startTool(tool, broken.c_str());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(pixelAt(window, 200, 340), GetSysColor(COLOR_BTNFACE));
  DeleteFileA(broken.c_str());
}

}  // namespace
