// QuizDriver.exe: drives the running tool from a shell script (under Wine). Arguments
// arrive in the ANSI code page (GBK); text is printed as raw GBK bytes and one "\n".

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/driver/tool_driver_win.h"

namespace {

constexpr char kUsage[] =
    "usage: QuizDriver [--title TITLE] COMMAND ARGS...\n"
    "  wait-window [TITLE] [TIMEOUT_MS]  waits until the window is there\n"
    "  get-text L T W H                  prints the text of the control at that client place\n"
    "  type-text L T W H TEXT            replaces an edit box's text as typing would\n"
    "  set-text L T W H TEXT             sets a control's text (WM_SETTEXT)\n"
    "  click L T W H                     clicks the button (BM_CLICK), waiting for its handler\n"
    "  post-click L T W H                the same without waiting\n"
    "  mouse-click L T W H               presses and releases the mouse on the control\n"
    "  enabled L T W H | visible L T W H prints yes or no\n"
    "  state L T W H | window-state      prints \"enabled|disabled visible|hidden\"\n"
    "  window-size                       prints the window's outer width and height\n"
    "  close                             closes the window\n"
    "  drop PATH...                      drops the files (Unix or Windows paths) on the window\n"
    "  get-clipboard | set-clipboard TEXT | empty-clipboard\n"
    "  edit-line-span TITLE_PART LINE    screen points inside the first and last characters\n"
    "                                    of a line of the edit box of the window whose title\n"
    "                                    holds TITLE_PART\n"
    "  foreground TITLE_PART             brings that window to the front\n"
    "  show-text X Y W H TEXT            shows TEXT large at that screen place until ended\n"
    "  env NAME                          prints an environment variable as programs see it\n";

constexpr DWORD kFindTimeoutMs = 5000;

int fail(const char* message) {
  std::fprintf(stderr, "QuizDriver: %s\n", message);
  return 1;
}

int usageError(const char* message) {
  fail(message);
  std::fputs(kUsage, stderr);
  return 2;
}

int print(const Text& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  return 0;
}

std::optional<int> number(const Text& text) {
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0') return std::nullopt;
  return static_cast<int>(value);
}

// A place given as four numbers starting at args[first].
std::optional<ClientPlace> placeIn(const std::vector<Text>& args, std::size_t first) {
  std::optional<int> left = number(args[first]), top = number(args[first + 1]),
                     width = number(args[first + 2]), height = number(args[first + 3]);
  if (!left || !top || !width || !height) return std::nullopt;
  return ClientPlace{*left, *top, *width, *height};
}

struct TitlePart {
  const char* part;
  HWND found;
};

BOOL CALLBACK matchTitlePart(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TitlePart*>(parameter);
  if (!IsWindowVisible(window) || !std::strstr(windowText(window).c_str(), search->part)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

HWND windowWithTitlePart(const Text& part) {
  TitlePart search{part.c_str(), nullptr};
  EnumWindows(matchTitlePart, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

const char* stateWords(HWND window) {
  if (isEnabled(window)) return isVisible(window) ? "enabled visible" : "enabled hidden";
  return isVisible(window) ? "disabled visible" : "disabled hidden";
}

// What a command works on: args are those after the command's name, and after the
// control's place for commands on a control.
struct Call {
  const Text& title;
  std::vector<Text> args;
  HWND top;
  HWND control;
};

// wait-window [TITLE] [TIMEOUT_MS]: a lone number is the timeout.
int waitWindow(const Call& call) {
  std::optional<int> timeout = call.args.empty() ? std::nullopt : number(call.args.back());
  if (call.args.size() == 2 && !timeout) return usageError("the timeout is not a number");
  bool titled = call.args.size() == 2 || (call.args.size() == 1 && !timeout);
  HWND found = findTopWindow(titled ? call.args.front() : call.title,
                             timeout ? static_cast<DWORD>(*timeout) : kFindTimeoutMs);
  return found ? 0 : fail("the window is not there");
}

int editLineSpanOf(const Call& call) {
  HWND window = windowWithTitlePart(call.args[0]);
  if (!window) return fail("no window with that title");
  HWND edit = FindWindowExA(window, nullptr, "Edit", nullptr);
  if (!edit) return fail("that window has no edit box");
  std::optional<int> line = number(call.args[1]);
  auto span = line ? editLineSpan(edit, *line) : std::nullopt;
  if (!span) return fail("no such line, or it is empty");
  std::printf("%ld %ld %ld %ld\n", span->first.x, span->first.y, span->second.x, span->second.y);
  return 0;
}

int showText(const Call& call) {
  std::optional<ClientPlace> place = placeIn(call.args, 0);
  if (!place) return fail("the screen place is not four numbers");
  UniqueWindow window = openTextWindow(*place, call.args[4]);
  if (!window) return fail("cannot open the text window");
  print("shown");
  std::fflush(stdout);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

int printEnvironment(const Call& call) {
  // Wine's GetEnvironmentVariableA cuts GBK values short (to their length in
  // characters); the C runtime's copy of the environment is whole.
  const char* value = std::getenv(call.args[0].c_str());
  return value ? print(value) : fail("no such variable");
}

int drop(const Call& call) {
  std::vector<Text> paths;
  for (const Text& path : call.args) paths.push_back(hostPathToWindows(path));
  return dropFiles(call.top, paths) ? 0 : fail("the drop was not accepted");
}

int windowSize(const Call& call) {
  RECT rect;
  GetWindowRect(call.top, &rect);
  std::printf("%ld %ld\n", rect.right - rect.left, rect.bottom - rect.top);
  return 0;
}

enum class Target { kNone, kWindow, kControl };

struct Command {
  const char* name;
  Target target;
  std::size_t minArgs, maxArgs;  // besides a control's place
  int (*run)(const Call&);
};

constexpr std::size_t kMany = 1000;

constexpr Command kCommands[] = {
    {"wait-window", Target::kNone, 0, 2, waitWindow},
    {"get-clipboard", Target::kNone, 0, 0, [](const Call&) { return print(readClipboard()); }},
    {"set-clipboard", Target::kNone, 1, 1,
     [](const Call& call) { return writeClipboard(call.args[0]) ? 0 : fail("clipboard busy"); }},
    {"empty-clipboard", Target::kNone, 0, 0,
     [](const Call&) { return clearClipboard() ? 0 : fail("clipboard busy"); }},
    {"edit-line-span", Target::kNone, 2, 2, editLineSpanOf},
    {"foreground", Target::kNone, 1, 1,
     [](const Call& call) {
       HWND window = windowWithTitlePart(call.args[0]);
       return window && SetForegroundWindow(window) ? 0 : fail("cannot bring it to the front");
     }},
    {"show-text", Target::kNone, 5, 5, showText},
    {"env", Target::kNone, 1, 1, printEnvironment},
    {"close", Target::kWindow, 0, 0,
     [](const Call& call) {
       return PostMessageA(call.top, WM_CLOSE, 0, 0) ? 0 : fail("cannot close");
     }},
    {"window-state", Target::kWindow, 0, 0,
     [](const Call& call) { return print(stateWords(call.top)); }},
    {"window-size", Target::kWindow, 0, 0, windowSize},
    {"drop", Target::kWindow, 1, kMany, drop},
    {"get-text", Target::kControl, 0, 0,
     [](const Call& call) { return print(windowText(call.control)); }},
    {"type-text", Target::kControl, 1, 1,
     [](const Call& call) { return typeText(call.control, call.args[0]), 0; }},
    {"set-text", Target::kControl, 1, 1,
     [](const Call& call) { return setText(call.control, call.args[0]), 0; }},
    {"click", Target::kControl, 0, 0,
     [](const Call& call) { return clickButton(call.control), 0; }},
    {"post-click", Target::kControl, 0, 0,
     [](const Call& call) {
       return PostMessageA(call.control, BM_CLICK, 0, 0) ? 0 : fail("cannot post");
     }},
    {"mouse-click", Target::kControl, 0, 0,
     [](const Call& call) { return clickWithMouse(call.control) ? 0 : fail("cannot click"); }},
    {"state", Target::kControl, 0, 0,
     [](const Call& call) { return print(stateWords(call.control)); }},
    {"enabled", Target::kControl, 0, 0,
     [](const Call& call) { return print(isEnabled(call.control) ? "yes" : "no"); }},
    {"visible", Target::kControl, 0, 0,
     [](const Call& call) { return print(isVisible(call.control) ? "yes" : "no"); }},
};

int run(const Text& title, const std::vector<Text>& args) {
  const Command* command = nullptr;
  for (const Command& candidate : kCommands) {
    if (args[0] == candidate.name) command = &candidate;
  }
  if (!command) return usageError("unknown command");
  Call call{title, std::vector<Text>(args.begin() + 1, args.end()), nullptr, nullptr};
  std::size_t placeArgs = command->target == Target::kControl ? 4 : 0;
  if (call.args.size() < command->minArgs + placeArgs ||
      call.args.size() > command->maxArgs + placeArgs) {
    return usageError("wrong number of arguments");
  }
  if (command->target == Target::kNone) return command->run(call);

  call.top = findTopWindow(title, kFindTimeoutMs);
  if (!call.top) return fail("the window is not there");
  if (command->target == Target::kControl) {
    std::optional<ClientPlace> place = placeIn(call.args, 0);
    if (!place) return fail("a control is named by its client place: L T W H");
    call.control = controlAt(call.top, *place);
    if (!call.control) return fail("no control at that place");
    call.args.erase(call.args.begin(), call.args.begin() + 4);
  }
  return command->run(call);
}

}  // namespace

int main(int argc, char** argv) {
  // Text goes out byte for byte: no "\r" before each "\n".
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<Text> args(argv + 1, argv + argc);
  Text title = kToolTitle;
  if (args.size() >= 2 && args[0] == "--title") {
    title = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return usageError("no command");
  return run(title, args);
}
