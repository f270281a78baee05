// Starts the real tool, finds its window by title and closes it.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr char kTitle[] = "澄川网上答题辅助工具软件";

std::string besideThisProgram(const char* name) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

HWND waitForWindow(const char* title, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (HWND window = FindWindowA(nullptr, title)) return window;
    Sleep(50);
  }
  return nullptr;
}

TEST(SmokeTest, WindowOpensWithItsTitleAndClosesWithExitCodeZero) {
  std::string exe = besideThisProgram("QuizAssistant.exe");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  CloseHandle(process.hThread);

  HWND window = waitForWindow(kTitle, 20000);
  ASSERT_NE(window, nullptr);
  char title[256] = {};
  GetWindowTextA(window, title, sizeof title);
  EXPECT_STREQ(title, kTitle);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 371);
  EXPECT_EQ(outer.bottom - outer.top, 413);

  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hProcess);
}

}  // namespace
