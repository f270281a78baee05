#pragma once
// Starting a program of the running program's folder with its arguments and environment.

#include <optional>

#include "tests/driver/tool_driver_win.h"

struct LaunchedProgram {
  UniqueHandle process;
  DWORD id;
};

// Standard handles for the started program; they must be inheritable.
struct StandardHandles {
  HANDLE input, output, errors;
};

// Nothing when the program cannot be started.
std::optional<LaunchedProgram> launchProgram(const Text& exeName, const std::vector<Text>& args,
                                             const Environment& additions,
                                             const StandardHandles* handles = nullptr);
