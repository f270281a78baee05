#include "tests/driver/process_launch_win.h"

std::optional<ToolProcess> ToolProcess::start(const std::vector<Text>& args,
                                              const Environment& additions) {
  return startProgram("QuizAssistant.exe", args, additions);
}

std::optional<ToolProcess> ToolProcess::startProgram(const Text& exeName,
                                                     const std::vector<Text>& args,
                                                     const Environment& additions) {
  std::optional<LaunchedProgram> launched = launchProgram(exeName, args, additions);
  if (!launched) return std::nullopt;
  return ToolProcess(std::move(launched->process), launched->id);
}

ToolProcess::~ToolProcess() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

HWND ToolProcess::waitForMainWindow(DWORD timeoutMs) const {
  return findTopWindow(kToolTitle, timeoutMs, id_);
}

std::optional<DWORD> ToolProcess::waitForExit(DWORD timeoutMs) const {
  if (WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}
