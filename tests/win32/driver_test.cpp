// The end-to-end driver against a window of the test's own on a thread of its own, as
// the tool's window would be in its process: finding windows and controls, typing,
// clicking, the clipboard, real OLE drops, processes and QuizDriver.exe's commands.

#include <ole2.h>
#include <shellapi.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <thread>

#include "base/com_object_win.h"
#include "tests/driver/owners_win.h"
#include "tests/driver/tool_driver_win.h"
#include "tests/support/case_table.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

constexpr char kTitle[] = "驱动测试窗口";
constexpr char kHiddenTitle[] = "隐藏的驱动测试窗口";

// The children, at places like the tool's own.
enum class Child { kNone, kResults, kQuery, kButton, kDisabled, kHidden, kPanel, kCount };
constexpr ClientPlace kResultsPlace{2, 1, 358, 223};  // multi-line edit box
constexpr ClientPlace kQueryPlace{2, 229, 358, 51};   // single-line edit box
constexpr ClientPlace kButtonPlace{206, 300, 58, 24};
constexpr ClientPlace kDisabledPlace{282, 300, 58, 24};
constexpr ClientPlace kHiddenPlace{125, 300, 64, 24};
constexpr ClientPlace kPanelPlace{9, 330, 100, 40};
// The panel's own child, at this place in the panel's client area.
constexpr ClientPlace kGrandchildPlace{0, 0, 50, 20};

// What the window's owner was told.
struct Seen {
  int resultsChanges = 0;
  int queryChanges = 0;
  int clicks = 0;
  std::vector<std::vector<Text>> drops;
  bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& seen) {
  out << "changes " << seen.resultsChanges << "/" << seen.queryChanges << ", clicks " << seen.clicks
      << ", drops";
  for (const auto& paths : seen.drops) {
    out << " [";
    for (const Text& path : paths) out << path << ";";
    out << "]";
  }
  return out;
}

std::vector<Text> droppedPaths(IDataObject* data) {
  ReceivedMedium medium;
  if (!medium.fill(data, {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL})) return {};
  auto drop = static_cast<HDROP>(medium.get().hGlobal);
  std::vector<Text> paths;
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    Text path(length + 1, '\0');
    DragQueryFileA(drop, i, path.data(), length + 1);
    path.resize(length);
    paths.push_back(path);
  }
  return paths;
}

// A top-level window with the children above and a registered drop target, run by a
// thread of its own until this goes.
class TargetWindow {
 public:
  explicit TargetWindow(bool acceptsDrops = true, const char* title = kTitle)
      : acceptsDrops_(acceptsDrops), title_(title) {
    std::promise<void> ready;
    std::future<void> opened = ready.get_future();
    thread_ = std::thread([this, &ready] { run(ready); });
    opened.wait();
  }
  ~TargetWindow() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }

  HWND top() const { return top_; }
  HWND child(Child which) const { return children_[static_cast<int>(which)]; }
  HWND grandchild() const { return grandchild_; }
  HWND hiddenTop() const { return hiddenTop_; }
  Seen seen() const {
    std::lock_guard lock(mutex_);
    return seen_;
  }
  void forget() {
    std::lock_guard lock(mutex_);
    seen_ = {};
  }

 private:
  class DropRecorder;

  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TargetWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COMMAND && self) self->command(LOWORD(wParam), HIWORD(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
  }

  void command(WORD id, WORD code) {
    std::lock_guard lock(mutex_);
    if (code == EN_CHANGE && id == static_cast<WORD>(Child::kResults)) ++seen_.resultsChanges;
    if (code == EN_CHANGE && id == static_cast<WORD>(Child::kQuery)) ++seen_.queryChanges;
    if (code == BN_CLICKED && id == static_cast<WORD>(Child::kButton)) ++seen_.clicks;
  }

  void dropped(std::vector<Text> paths) {
    std::lock_guard lock(mutex_);
    seen_.drops.push_back(std::move(paths));
  }

  HWND makeChild(Child which, const char* windowClass, DWORD style, const ClientPlace& place,
                 HWND parent) {
    HWND made =
        CreateWindowExA(0, windowClass, "", WS_CHILD | style, place.left, place.top, place.width,
                        place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(which)),
                        GetModuleHandleA(nullptr), nullptr);
    children_[static_cast<int>(which)] = made;
    return made;
  }

  void run(std::promise<void>& ready);

  bool acceptsDrops_;
  const char* title_;
  std::thread thread_;
  DWORD threadId_ = 0;
  HWND top_ = nullptr;
  HWND hiddenTop_ = nullptr;
  HWND grandchild_ = nullptr;
  HWND children_[static_cast<int>(Child::kCount)] = {};
  mutable std::mutex mutex_;
  Seen seen_;
};

class TargetWindow::DropRecorder final : public ComObject<IDropTarget> {
 public:
  explicit DropRecorder(TargetWindow& owner) : owner_(owner) {}

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    FORMATETC files{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    effect_ = owner_.acceptsDrops_ && data->QueryGetData(&files) == S_OK ? DROPEFFECT_COPY
                                                                         : DROPEFFECT_NONE;
    *effect = effect_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = effect_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    if (effect_ != DROPEFFECT_NONE) owner_.dropped(droppedPaths(data));
    *effect = effect_;
    return S_OK;
  }

 private:
  TargetWindow& owner_;
  DWORD effect_ = DROPEFFECT_NONE;
};

// Revokes the registration before the window goes.
class DropRegistration {
 public:
  DropRegistration(HWND window, IDropTarget* target)
      : window_(window), registered_(SUCCEEDED(RegisterDragDrop(window, target))) {}
  DropRegistration(const DropRegistration&) = delete;
  DropRegistration& operator=(const DropRegistration&) = delete;
  ~DropRegistration() {
    if (registered_) RevokeDragDrop(window_);
  }

 private:
  HWND window_;
  bool registered_;
};

void TargetWindow::run(std::promise<void>& ready) {
  threadId_ = GetCurrentThreadId();
  OleScope ole;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = "DriverTestTarget";
  RegisterClassA(&windowClass);  // already there from an earlier test is fine
  RECT outer{0, 0, 370, 380};
  AdjustWindowRect(&outer, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE);
  UniqueWindow top(CreateWindowExA(0, "DriverTestTarget", title_,
                                   WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100,
                                   outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                   nullptr, windowClass.hInstance, this));
  UniqueWindow hiddenTop(CreateWindowExA(0, "DriverTestTarget", kHiddenTitle, WS_OVERLAPPED, 0, 0,
                                         100, 100, nullptr, nullptr, windowClass.hInstance, this));
  top_ = top.get();
  hiddenTop_ = hiddenTop.get();
  constexpr DWORD kShown = WS_VISIBLE | WS_BORDER;
  makeChild(Child::kResults, "EDIT", kShown | ES_MULTILINE | ES_AUTOVSCROLL, kResultsPlace, top_);
  makeChild(Child::kQuery, "EDIT", kShown | ES_AUTOHSCROLL, kQueryPlace, top_);
  makeChild(Child::kButton, "BUTTON", WS_VISIBLE | BS_PUSHBUTTON, kButtonPlace, top_);
  EnableWindow(makeChild(Child::kDisabled, "BUTTON", WS_VISIBLE, kDisabledPlace, top_), FALSE);
  makeChild(Child::kHidden, "STATIC", 0, kHiddenPlace, top_);
  HWND panel = makeChild(Child::kPanel, "STATIC", WS_VISIBLE, kPanelPlace, top_);
  grandchild_ =
      CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, kGrandchildPlace.left,
                      kGrandchildPlace.top, kGrandchildPlace.width, kGrandchildPlace.height, panel,
                      nullptr, windowClass.hInstance, nullptr);
  ComPtr<DropRecorder> recorder(new DropRecorder(*this));
  DropRegistration registration(top_, recorder.get());
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before ready
  ready.set_value();
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Input sent with SendInput is handled later, on the window's thread.
template <typename Condition>
bool eventually(Condition condition) {
  for (int poll = 0; poll < 200 && !condition(); ++poll) Sleep(25);
  return condition();
}

class DriverTest : public testing::Test {
 protected:
  HWND child(Child which) const { return target_.child(which); }

  TargetWindow target_;
};

// Finding windows and controls.

struct FindCase {
  const char* name;
  Text title;
  bool ofThisProcess, ofOtherProcess;
  bool found;
};

class FindTopWindowTest : public DriverTest, public testing::WithParamInterface<FindCase> {};

TEST_P(FindTopWindowTest, FindsOnlyAVisibleWindowWithExactlyThatTitle) {
  const FindCase& c = GetParam();
  DWORD processId = c.ofThisProcess ? GetCurrentProcessId() : 0;
  if (c.ofOtherProcess) processId = GetCurrentProcessId() + 4;
  EXPECT_EQ(findTopWindow(c.title, 0, processId), c.found ? target_.top() : nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindTopWindowTest,
    testing::Values(FindCase{"Title", kTitle, false, false, true},
                    FindCase{"TitleOfThisProcess", kTitle, true, false, true},
                    FindCase{"TitleOfAnotherProcess", kTitle, false, true, false},
                    FindCase{"StartOfTitle", "驱动测试", false, false, false},
                    FindCase{"LongerTitle", Text(kTitle) + " ", false, false, false},
                    FindCase{"HiddenWindow", kHiddenTitle, false, false, false}),
    caseName);

TEST(FindTopWindowWaitTest, WaitsForAWindowOpenedLater) {
  constexpr char kLateTitle[] = "稍后打开的窗口";
  std::future<HWND> found = std::async(
      std::launch::async, [&] { return findTopWindow(kLateTitle, 20000, GetCurrentProcessId()); });
  TargetWindow late(true, kLateTitle);
  EXPECT_EQ(found.get(), late.top());
}

struct PlaceCase {
  const char* name;
  ClientPlace place;
  Child expected;
};

class ControlAtTest : public DriverTest, public testing::WithParamInterface<PlaceCase> {};

TEST_P(ControlAtTest, FindsTheDirectChildAtExactlyThatPlace) {
  EXPECT_EQ(controlAt(target_.top(), GetParam().place), child(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ControlAtTest,
    testing::Values(PlaceCase{"MultiLineEdit", kResultsPlace, Child::kResults},
                    PlaceCase{"SingleLineEdit", kQueryPlace, Child::kQuery},
                    PlaceCase{"Button", kButtonPlace, Child::kButton},
                    PlaceCase{"DisabledControl", kDisabledPlace, Child::kDisabled},
                    PlaceCase{"HiddenControl", kHiddenPlace, Child::kHidden},
                    PlaceCase{"OnePixelRight", {3, 1, 358, 223}, Child::kNone},
                    PlaceCase{"OnePixelLower", {2, 2, 358, 223}, Child::kNone},
                    PlaceCase{"OnePixelWider", {2, 1, 359, 223}, Child::kNone},
                    PlaceCase{"OnePixelTaller", {2, 1, 358, 224}, Child::kNone},
                    PlaceCase{"GrandchildsPlaceInItsParent", kGrandchildPlace, Child::kNone}),
    caseName);

TEST_F(DriverTest, PlaceOfAGrandchildIsInItsParentsClientArea) {
  EXPECT_EQ(placeOf(target_.grandchild()), kGrandchildPlace);
}

// Text and clicks.

struct TextCase {
  const char* name;
  Child box;
  bool typed;  // typeText, otherwise setText
  Text text;
  bool ownerTold;
};

class EditTextTest : public DriverTest, public testing::WithParamInterface<TextCase> {};

TEST_P(EditTextTest, ReplacesTheTextAndTellsTheOwnerWhenTyped) {
  const TextCase& c = GetParam();
  HWND box = child(c.box);
  setText(box, "先前的文字");
  Seen before = target_.seen();
  c.typed ? typeText(box, c.text) : setText(box, c.text);
  EXPECT_EQ(windowText(box), c.text);
  Seen after = target_.seen();
  int changes = c.box == Child::kResults ? after.resultsChanges - before.resultsChanges
                                         : after.queryChanges - before.queryChanges;
  EXPECT_EQ(changes > 0, c.ownerTold);
}

const Text kLongText = Text(20000, 'a') + "尾";

INSTANTIATE_TEST_SUITE_P(
    Table, EditTextTest,
    testing::Values(TextCase{"TypedIntoMultiLine", Child::kResults, true, "首都：北京", true},
                    TextCase{"TypedLines", Child::kResults, true, "第一行\r\n第二行\r\n", true},
                    TextCase{"TypedEmpty", Child::kResults, true, "", true},
                    TextCase{"TypedLong", Child::kResults, true, kLongText, true},
                    TextCase{"TypedIntoSingleLine", Child::kQuery, true, "中华 人民", true},
                    TextCase{"SetIntoMultiLine", Child::kResults, false, "首都：北京", false},
                    TextCase{"SetIntoSingleLine", Child::kQuery, false, "首都", true}),
    caseName);

TEST_F(DriverTest, ClickButtonClicksOnceBeforeReturning) {
  clickButton(child(Child::kButton));
  EXPECT_EQ(target_.seen().clicks, 1);
}

TEST_F(DriverTest, ClickWithMouseClicksOnce) {
  ASSERT_TRUE(clickWithMouse(child(Child::kButton)));
  EXPECT_TRUE(eventually([&] { return target_.seen().clicks > 0; }));
  EXPECT_EQ(target_.seen().clicks, 1);
}

TEST_F(DriverTest, EditLineSpanPointsIntoTheLine) {
  setText(child(Child::kResults), "第一行\r\n第二行文字");
  auto second = editLineSpan(child(Child::kResults), 2);
  ASSERT_TRUE(second);
  auto first = editLineSpan(child(Child::kResults), 1);
  ASSERT_TRUE(first);
  EXPECT_GT(second->first.y, first->first.y);
  EXPECT_EQ(second->first.y, second->second.y);
  EXPECT_GT(second->second.x, second->first.x);
  RECT box;
  GetWindowRect(child(Child::kResults), &box);
  EXPECT_TRUE(PtInRect(&box, second->first) && PtInRect(&box, second->second));
  EXPECT_FALSE(editLineSpan(child(Child::kResults), 3));
  EXPECT_FALSE(editLineSpan(child(Child::kResults), 0));
}

// Clipboard.

struct ClipboardCase {
  const char* name;
  Text text;
};

class ClipboardTest : public testing::TestWithParam<ClipboardCase> {};

TEST_P(ClipboardTest, TextRoundTrips) {
  ASSERT_TRUE(writeClipboard(GetParam().text));
  EXPECT_TRUE(clipboardHasText());
  EXPECT_EQ(readClipboard(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, ClipboardTest,
                         testing::Values(ClipboardCase{"Chinese", "澄川网上答题"},
                                         ClipboardCase{"Lines", "第一行\r\n第二行"},
                                         ClipboardCase{"TrailByteBackslash", "\x81\x5C\\"},
                                         ClipboardCase{"Long", kLongText}),
                         caseName);

TEST(ClipboardClearTest, LeavesNoText) {
  ASSERT_TRUE(writeClipboard("将被清除"));
  ASSERT_TRUE(clearClipboard());
  EXPECT_FALSE(clipboardHasText());
  EXPECT_EQ(readClipboard(), "");
}

// File drops.

struct DropCase {
  const char* name;
  std::vector<Text> paths;
};

class DropFilesTest : public DriverTest, public testing::WithParamInterface<DropCase> {};

TEST_P(DropFilesTest, TheTargetGetsExactlyThePaths) {
  EXPECT_TRUE(dropFiles(target_.top(), GetParam().paths));
  EXPECT_EQ(target_.seen().drops, std::vector<std::vector<Text>>{GetParam().paths});
}

INSTANTIATE_TEST_SUITE_P(Table, DropFilesTest,
                         testing::Values(DropCase{"OnePath", {"Z:\\tmp\\bank.txt"}},
                                         DropCase{"ChinesePath", {"Z:\\tmp\\题库 一.txt"}},
                                         DropCase{"TwoPaths", {"Z:\\tmp\\a.txt", "C:\\b.txt"}},
                                         DropCase{"ThreePaths", {"Z:\\a", "Z:\\b", "Z:\\c"}}),
                         caseName);

TEST(DropRefusedTest, IsNotReportedAsAccepted) {
  TargetWindow refusing(false);
  EXPECT_FALSE(dropFiles(refusing.top(), {"Z:\\tmp\\bank.txt"}));
  EXPECT_TRUE(refusing.seen().drops.empty());
}

TEST_F(DriverTest, DropsOnAChildReachTheTopWindowsTarget) {
  EXPECT_TRUE(dropFiles(child(Child::kResults), {"Z:\\tmp\\bank.txt"}));
  EXPECT_EQ(target_.seen().drops.size(), 1u);
}

struct HostPathCase {
  const char* name;
  Text path, windows;
};

class HostPathTest : public testing::TestWithParam<HostPathCase> {};

TEST_P(HostPathTest, UnixPathsGoToDriveZ) {
  EXPECT_EQ(hostPathToWindows(GetParam().path), GetParam().windows);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostPathTest,
    testing::Values(HostPathCase{"Absolute", "/tmp/bank.txt", "Z:\\tmp\\bank.txt"},
                    HostPathCase{"Root", "/", "Z:\\"},
                    HostPathCase{"Chinese", "/tmp/题库/题库.txt", "Z:\\tmp\\题库\\题库.txt"},
                    HostPathCase{"WindowsPathKept", "C:\\bank.txt", "C:\\bank.txt"},
                    HostPathCase{"RelativeKept", "tmp/bank.txt", "tmp/bank.txt"},
                    HostPathCase{"EmptyKept", "", ""}),
    caseName);

// Processes.

TEST(ToolProcessTest, EndsAProgramStillRunningWhenItGoes) {
  UniqueHandle watched;
  {
    auto program =
        ToolProcess::startProgram("QuizDriver.exe", {"show-text", "0", "0", "8", "8", "x"});
    ASSERT_TRUE(program);
    watched.reset(OpenProcess(SYNCHRONIZE, FALSE, program->id()));
    ASSERT_TRUE(watched);
    EXPECT_FALSE(program->waitForExit(0));
  }
  EXPECT_EQ(WaitForSingleObject(watched.get(), 0), WAIT_OBJECT_0);
}

TEST(ToolProcessTest, GivesTheExitCode) {
  auto program = ToolProcess::startProgram("QuizDriver.exe", {"no-such-command"});
  ASSERT_TRUE(program);
  EXPECT_EQ(program->waitForExit(20000), std::optional<DWORD>(2));
}

TEST(ToolProcessTest, AMissingProgramDoesNotStart) {
  EXPECT_FALSE(ToolProcess::startProgram("NoSuchProgram.exe", {}));
}

TEST(RunProgramTest, EndsAProgramThatOutlivesTheTimeout) {
  EXPECT_FALSE(runProgram("QuizDriver.exe", {"show-text", "0", "0", "8", "8", "x"}, 300));
}

struct EnvironmentCase {
  const char* name;
  Environment additions;
  Text variable;
  Text output;
};

class EnvironmentTest : public testing::TestWithParam<EnvironmentCase> {
 protected:
  void SetUp() override { SetEnvironmentVariableA("QUIZ_DRIVER_INHERITED", "继承的"); }
  void TearDown() override { SetEnvironmentVariableA("QUIZ_DRIVER_INHERITED", nullptr); }
};

TEST_P(EnvironmentTest, TheProgramSeesTheAdditionsOverItsInheritance) {
  const EnvironmentCase& c = GetParam();
  auto run = runProgram("QuizDriver.exe", {"env", c.variable}, 20000, c.additions);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->output, c.output);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EnvironmentTest,
    testing::Values(EnvironmentCase{"Inherited", {}, "QUIZ_DRIVER_INHERITED", "继承的\n"},
                    EnvironmentCase{
                        "Added", {{"QUIZ_DRIVER_ADDED", "值 1"}}, "QUIZ_DRIVER_ADDED", "值 1\n"},
                    EnvironmentCase{"InheritedBesideAdded",
                                    {{"QUIZ_DRIVER_ADDED", "x"}},
                                    "QUIZ_DRIVER_INHERITED",
                                    "继承的\n"},
                    EnvironmentCase{"ReplacedIgnoringCase",
                                    {{"quiz_driver_inherited", "新的"}},
                                    "QUIZ_DRIVER_INHERITED",
                                    "新的\n"}),
    caseName);

// QuizDriver.exe against the test's window, as a script would run it.

struct CliCase {
  const char* name;
  std::vector<Text> args;  // after --title
  DWORD exitCode;
  Text output;
  Seen seen;
  Text queryText;
};

class QuizDriverCliTest : public DriverTest, public testing::WithParamInterface<CliCase> {
 protected:
  void SetUp() override {
    setText(child(Child::kResults), "第一行\r\n第二行");
    setText(child(Child::kQuery), "原来的");
    target_.forget();
  }
};

TEST_P(QuizDriverCliTest, DoesTheCommandAndPrintsRawBytes) {
  const CliCase& c = GetParam();
  std::vector<Text> args{"--title", kTitle};
  args.insert(args.end(), c.args.begin(), c.args.end());
  auto run = runProgram("QuizDriver.exe", args, 30000);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->exitCode, c.exitCode) << run->errors;
  EXPECT_EQ(run->output, c.output);
  EXPECT_EQ(run->errors.empty(), c.exitCode == 0) << run->errors;
  EXPECT_EQ(target_.seen(), c.seen);
  EXPECT_EQ(windowText(child(Child::kQuery)), c.queryText);
}

const Seen kNothing{};
const Seen kQueryChanged{0, 1, 0, {}};
const Seen kClicked{0, 0, 1, {}};

INSTANTIATE_TEST_SUITE_P(
    Table, QuizDriverCliTest,
    testing::Values(
        CliCase{"GetText",
                {"get-text", "2", "1", "358", "223"},
                0,
                "第一行\r\n第二行\n",
                kNothing,
                "原来的"},
        CliCase{"TypeText",
                {"type-text", "2", "229", "358", "51", "首都 \"北京\""},
                0,
                "",
                kQueryChanged,
                "首都 \"北京\""},
        CliCase{"SetText",
                {"set-text", "2", "229", "358", "51", "a\\\\b\\"},
                0,
                "",
                kQueryChanged,
                "a\\\\b\\"},
        CliCase{"Click", {"click", "206", "300", "58", "24"}, 0, "", kClicked, "原来的"},
        CliCase{"Enabled", {"enabled", "206", "300", "58", "24"}, 0, "yes\n", kNothing, "原来的"},
        CliCase{"Disabled", {"enabled", "282", "300", "58", "24"}, 0, "no\n", kNothing, "原来的"},
        CliCase{"Hidden", {"visible", "125", "300", "64", "24"}, 0, "no\n", kNothing, "原来的"},
        CliCase{"State",
                {"state", "282", "300", "58", "24"},
                0,
                "disabled visible\n",
                kNothing,
                "原来的"},
        CliCase{"WindowState", {"window-state"}, 0, "enabled visible\n", kNothing, "原来的"},
        CliCase{"DropUnixPath",
                {"drop", "/tmp/题库 一.txt"},
                0,
                "",
                Seen{0, 0, 0, {{"Z:\\tmp\\题库 一.txt"}}},
                "原来的"},
        CliCase{"DropTwoPaths",
                {"drop", "/tmp/a.txt", "C:\\b.txt"},
                0,
                "",
                Seen{0, 0, 0, {{"Z:\\tmp\\a.txt", "C:\\b.txt"}}},
                "原来的"},
        CliCase{"WaitWindowOfTitle", {"wait-window", kTitle, "0"}, 0, "", kNothing, "原来的"},
        CliCase{"WaitWindowTimeoutOnly", {"wait-window", "0"}, 0, "", kNothing, "原来的"},
        CliCase{
            "WaitForAbsentWindow", {"wait-window", "没有的窗口", "0"}, 1, "", kNothing, "原来的"},
        CliCase{"NoControlThere", {"get-text", "2", "1", "358", "222"}, 1, "", kNothing, "原来的"},
        CliCase{"PlaceNotNumbers", {"get-text", "2", "1", "358", "x"}, 1, "", kNothing, "原来的"},
        CliCase{
            "MissingArgument", {"type-text", "2", "229", "358", "51"}, 2, "", kNothing, "原来的"},
        CliCase{"UnknownCommand", {"frobnicate"}, 2, "", kNothing, "原来的"}),
    caseName);

TEST_F(DriverTest, QuizDriverPrintsTheWindowsOuterSize) {
  RECT outer;
  GetWindowRect(target_.top(), &outer);
  auto run = runProgram("QuizDriver.exe", {"--title", kTitle, "window-size"}, 30000);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->output, std::to_string(outer.right - outer.left) + " " +
                             std::to_string(outer.bottom - outer.top) + "\n");
}

struct CliClipboardCase {
  const char* name;
  Text text;
};

class QuizDriverClipboardTest : public testing::TestWithParam<CliClipboardCase> {};

// Arguments pass through the command line's quoting; output is raw GBK bytes.
TEST_P(QuizDriverClipboardTest, SetAndGetRoundTripThroughAnotherProcess) {
  const Text& text = GetParam().text;
  auto set = runProgram("QuizDriver.exe", {"set-clipboard", text}, 20000);
  ASSERT_TRUE(set);
  EXPECT_EQ(set->exitCode, 0u) << set->errors;
  EXPECT_EQ(readClipboard(), text);
  ASSERT_TRUE(writeClipboard(text + "!"));
  auto get = runProgram("QuizDriver.exe", {"get-clipboard"}, 20000);
  ASSERT_TRUE(get);
  EXPECT_EQ(get->output, text + "!\n");
}

INSTANTIATE_TEST_SUITE_P(Table, QuizDriverClipboardTest,
                         testing::Values(CliClipboardCase{"Chinese", "澄川网上答题辅助工具软件"},
                                         CliClipboardCase{"Spaces", " 两 边 "},
                                         CliClipboardCase{"Quotes", "say \"hi\" \"\""},
                                         CliClipboardCase{"BackslashesBeforeQuote", "a\\\\\"b\\"},
                                         CliClipboardCase{"TrailByteBackslashAtEnd", "a \x81\x5C"},
                                         CliClipboardCase{"Lines", "一\r\n二"}),
                         caseName);

TEST_F(DriverTest, QuizDriverMouseClickClicksOnce) {
  auto run = runProgram("QuizDriver.exe",
                        {"--title", kTitle, "mouse-click", "206", "300", "58", "24"}, 30000);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->exitCode, 0u) << run->errors;
  EXPECT_TRUE(eventually([&] { return target_.seen().clicks > 0; }));
  EXPECT_EQ(target_.seen().clicks, 1);
}

}  // namespace
