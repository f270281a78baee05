#include "tests/driver/tool_driver_win.h"

Text programFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  Text folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::optional<ToolProcess> ToolProcess::start(const Text& commandLineTail) {
  Text exe = programFolder() + "QuizAssistant.exe";
  Text commandLine = "\"" + exe + "\"" + (commandLineTail.empty() ? "" : " " + commandLineTail);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  return ToolProcess(UniqueHandle(process.hProcess), process.dwProcessId);
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
