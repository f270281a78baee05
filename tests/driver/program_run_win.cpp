#include <thread>

#include "tests/driver/process_launch_win.h"

namespace {

// A pipe whose write end the started program inherits.
struct OutputPipe {
  UniqueHandle read, write;
};

std::optional<OutputPipe> outputPipe() {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inheritable, 0)) return std::nullopt;
  OutputPipe pipe{UniqueHandle(read), UniqueHandle(write)};
  if (!SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0)) return std::nullopt;
  return pipe;
}

// Reads until every writer has closed its end.
Text readAll(HANDLE pipe) {
  Text all;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) all.append(buffer, got);
  return all;
}

UniqueFile nullInput() {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  return UniqueFile(CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                &inheritable, OPEN_EXISTING, 0, nullptr));
}

}  // namespace

std::optional<ProgramRun> runProgram(const Text& exeName, const std::vector<Text>& args,
                                     DWORD timeoutMs, const Environment& additions) {
  std::optional<OutputPipe> output = outputPipe();
  std::optional<OutputPipe> errors = outputPipe();
  UniqueFile input = nullInput();
  if (!output || !errors) return std::nullopt;
  StandardHandles handles{input.get(), output->write.get(), errors->write.get()};
  std::optional<LaunchedProgram> launched = launchProgram(exeName, args, additions, &handles);
  // Only the program holds the write ends now, so reads end when it does.
  output->write.reset();
  errors->write.reset();
  if (!launched) return std::nullopt;

  // Both pipes are drained while the program runs: a program filling one would wait
  // forever, and a program that hangs must still meet the timeout.
  Text outputText, errorText;
  std::thread outputReader([&] { outputText = readAll(output->read.get()); });
  std::thread errorReader([&] { errorText = readAll(errors->read.get()); });
  bool finished = WaitForSingleObject(launched->process.get(), timeoutMs) == WAIT_OBJECT_0;
  if (!finished) TerminateProcess(launched->process.get(), 1);
  outputReader.join();
  errorReader.join();
  DWORD code = 0;
  if (!finished || !GetExitCodeProcess(launched->process.get(), &code)) return std::nullopt;
  return ProgramRun{code, std::move(outputText), std::move(errorText)};
}
