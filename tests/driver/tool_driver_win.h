#pragma once
// Drives the real tool from a test or a script: finds its window and controls, types,
// clicks, drops files with a real OLE drag and drop, reads and writes the clipboard, and
// starts and ends processes. All text is in the ANSI code page (GBK).

#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "base/handles_win.h"
#include "base/text.h"

inline constexpr char kToolTitle[] = "澄川网上答题辅助工具软件";

// A control's place in its window's client area, as the tool's layout gives it.
struct ClientPlace {
  int left, top, width, height;
  bool operator==(const ClientPlace&) const = default;
};

// Windows and controls.

// The first visible top-level window with exactly this title (of this process, when
// processId is not 0), waiting up to timeoutMs; null when none appears.
HWND findTopWindow(const Text& title, DWORD timeoutMs, DWORD processId = 0);
// The direct child of top whose place in top's client area is this one; null if none.
HWND controlAt(HWND top, const ClientPlace& place);
ClientPlace placeOf(HWND control);

// Asks the window itself (WM_GETTEXT), which also works across processes.
Text windowText(HWND window);
// Replaces an edit box's text as typing would, so that its owner sees EN_CHANGE.
void typeText(HWND edit, const Text& text);
// Sets the text with WM_SETTEXT; a multi-line edit box tells its owner nothing.
void setText(HWND window, const Text& text);
// Clicks a button as the keyboard would (BM_CLICK), waiting for the owner's handler.
void clickButton(HWND button);
// Presses and releases the left mouse button at the control's centre, as a user
// would; the control must be uncovered. False when the input could not be sent.
bool clickWithMouse(HWND control);
inline bool isEnabled(HWND window) {
  return IsWindowEnabled(window) != 0;
}
inline bool isVisible(HWND window) {
  return IsWindowVisible(window) != 0;
}
// Screen points inside the first and the last character of a line (from 1) of an edit
// box, for a mouse drag that selects it; nothing when the line is missing or empty.
std::optional<std::pair<POINT, POINT>> editLineSpan(HWND edit, int line);

// Clipboard (CF_TEXT), independent of the tool's own clipboard code. Opening is retried
// for a while, since another process may hold the clipboard.

// The clipboard's text; empty when it holds none or cannot be opened.
Text readClipboard();
// Replaces the clipboard's contents with the text; false when it stays busy.
bool writeClipboard(const Text& text);
bool clipboardHasText();
bool clearClipboard();

// File drops.

// Drags the files onto the target window and drops them there with a real OLE drag and
// drop from this thread. True when the target accepted the drop.
bool dropFiles(HWND target, const std::vector<Text>& paths);
// The Wine path (Z:\...) of an absolute Unix path; other paths are kept.
Text hostPathToWindows(const Text& path);

// Processes.

// Variables set for a started program, on top of this process's environment; a name
// given here replaces the inherited variable of that name (names ignore case).
using Environment = std::vector<std::pair<Text, Text>>;

// A started program, ended when this goes if it is still running.
class ToolProcess {
 public:
  // Starts QuizAssistant.exe from the folder of the running program.
  static std::optional<ToolProcess> start(const std::vector<Text>& args = {},
                                          const Environment& additions = {});
  // Starts another program of that folder, such as QuizDriver.exe.
  static std::optional<ToolProcess> startProgram(const Text& exeName, const std::vector<Text>& args,
                                                 const Environment& additions = {});
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

// What a program that ran to its end wrote, byte for byte.
struct ProgramRun {
  DWORD exitCode;
  Text output;
  Text errors;
};
// Runs a program of the running program's folder with its standard output and error
// captured; ends it and gives nothing when it has not finished after timeoutMs.
std::optional<ProgramRun> runProgram(const Text& exeName, const std::vector<Text>& args,
                                     DWORD timeoutMs, const Environment& additions = {});

// The folder of the running program, with a trailing backslash.
Text programFolder();

// A borderless window showing the text large at that screen place, for the screenshot
// search to read; null when it cannot be made. The caller runs the message loop.
UniqueWindow openTextWindow(const ClientPlace& screenPlace, const Text& text);
