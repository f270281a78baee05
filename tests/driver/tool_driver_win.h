#pragma once
// Drives the real tool from a test or a script: finds its window and controls, types,
// clicks, drops files with a real OLE drag and drop, and starts and ends its process.

#include <windows.h>

#include <optional>
#include <vector>

#include "base/handles_win.h"
#include "base/text.h"

inline constexpr char kToolTitle[] = "澄川网上答题辅助工具软件";

// A control's place in its window's client area, as the tool's layout gives it.
struct ClientPlace {
  int left, top, width, height;
};

// The first visible top-level window with exactly this title (of this process, when
// processId is not 0), waiting up to timeoutMs; null when none appears.
HWND findTopWindow(const Text& title, DWORD timeoutMs, DWORD processId = 0);

// The child control of top whose place in top's client area is this one; null if none.
HWND controlAt(HWND top, const ClientPlace& place);
ClientPlace placeOf(HWND control);

Text windowText(HWND window);
// Replaces an edit box's text as typing would, so that its owner sees the change.
void typeText(HWND edit, const Text& text);
// Clicks a button as the user would (BM_CLICK).
void clickButton(HWND button);

// Drags the files onto the target window and drops them there, from this process.
// True when the target accepted the drop.
bool dropFiles(HWND target, const std::vector<Text>& paths);

// The Wine path (Z:\...) of an absolute Unix path; other paths are kept.
Text hostPathToWindows(const Text& path);

// A process of the tool, started beside the running program; ended when this goes.
class ToolProcess {
 public:
  // Starts QuizAssistant.exe from the folder of the running program.
  static std::optional<ToolProcess> start(const Text& commandLineTail = "");
  ToolProcess(ToolProcess&&) = default;
  ToolProcess& operator=(ToolProcess&&) = default;
  ~ToolProcess();

  DWORD id() const { return id_; }
  HWND waitForMainWindow(DWORD timeoutMs = 20000) const;
  // The exit code, or nothing when the process is still running after timeoutMs.
  std::optional<DWORD> waitForExit(DWORD timeoutMs) const;

 private:
  ToolProcess(UniqueHandle process, DWORD id) : process_(std::move(process)), id_(id) {}
  UniqueHandle process_;
  DWORD id_ = 0;
};

// The folder of the running program, with a trailing backslash.
Text programFolder();
