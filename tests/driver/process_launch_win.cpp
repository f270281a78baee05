#include "tests/driver/process_launch_win.h"

#include <cstring>
#include <memory>

namespace {

// One argument as the C runtime's argv parser splits it back: backslashes count only
// before a quote, and that parser reads GBK, so a trail byte 0x5C is no backslash.
Text quotedArgument(const Text& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == Text::npos) return argument;
  Text quoted = "\"";
  std::size_t backslashes = 0;
  for (std::size_t at = 0; at < argument.size(); ++at) {
    char c = argument[at];
    if (c == '\\') {
      ++backslashes;
    } else if (c == '"') {
      quoted.append(backslashes + 1, '\\');
      backslashes = 0;
    } else {
      backslashes = 0;
    }
    quoted += c;
    if (IsDBCSLeadByte(static_cast<BYTE>(c)) && at + 1 < argument.size()) quoted += argument[++at];
  }
  quoted.append(backslashes, '\\');  // the closing quote follows them
  return quoted + "\"";
}

struct EnvironmentStringsFree {
  void operator()(char* strings) const { FreeEnvironmentStringsA(strings); }
};

bool sameName(const char* entry, const Text& name) {
  // Entries such as "=C:=C:\\" begin with the separator; their name includes it.
  const char* end = std::strchr(entry + 1, '=');
  std::size_t length = end ? static_cast<std::size_t>(end - entry) : std::strlen(entry);
  return length == name.size() &&
         CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, entry, static_cast<int>(length),
                        name.data(), static_cast<int>(name.size())) == CSTR_EQUAL;
}

bool isReplaced(const char* entry, const Environment& additions) {
  for (const auto& [name, value] : additions) {
    if (sameName(entry, name)) return true;
  }
  return false;
}

// This process's environment block with the additions in place of their namesakes.
Text environmentBlock(const Environment& additions) {
  std::unique_ptr<char, EnvironmentStringsFree> current(GetEnvironmentStringsA());
  Text block;
  for (const char* entry = current.get(); entry && *entry; entry += std::strlen(entry) + 1) {
    if (!isReplaced(entry, additions)) block.append(entry, std::strlen(entry) + 1);
  }
  for (const auto& [name, value] : additions) block += name + "=" + value + '\0';
  return block + '\0';
}

}  // namespace

Text programFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  Text folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::optional<LaunchedProgram> launchProgram(const Text& exeName, const std::vector<Text>& args,
                                             const Environment& additions,
                                             const StandardHandles* handles) {
  Text exe = programFolder() + exeName;
  Text commandLine = quotedArgument(exe);
  for (const Text& argument : args) commandLine += " " + quotedArgument(argument);
  Text environment = additions.empty() ? Text() : environmentBlock(additions);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (handles) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = handles->input;
    startup.hStdOutput = handles->output;
    startup.hStdError = handles->errors;
  }
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, handles != nullptr, 0,
                      environment.empty() ? nullptr : environment.data(), nullptr, &startup,
                      &process)) {
    return std::nullopt;
  }
  UniqueHandle thread(process.hThread);
  return LaunchedProgram{UniqueHandle(process.hProcess), process.dwProcessId};
}
