// The main window's searches: bank drop, manual search, clipboard poll, copy keystroke.

#include <new>

#include "app/main_window_handlers_win.h"
#include "base/text_rules.h"
#include "capture/capture_overlay_win.h"
#include "recognition/recognition_worker_win.h"
#include "search/bank_file.h"
#include "search/bank_file_win.h"
#include "search/clipboard_win.h"
#include "search/listing.h"
#include "search/selection_capture.h"
#include "search/selection_capture_win.h"

namespace {

constexpr char kWrongBankText[] =
    "您选择的题库文件不正确，题库文件目前仅支持扩展名为.txt且编码格式为ANSI的文本文件！：";
constexpr char kBankChosenText[] = "您选择的题库是：";
constexpr char kBankUnreadableText[] = "题库文件无法读取：";

// The results box shows the listing for the matches of the last search.
void showListing(MainWindow& main) {
  int displayLines = textToInt(controlText(main.编辑框3));
  main.state.resultText =
      composeListing(main.state.bank, main.state.matchList, displayLines, kLongestShownLine);
  main.state.followIndex = displayLines;
  setControlText(main.编辑框2, main.state.resultText);
}

void searchAndShow(MainWindow& main, const Text& query) {
  main.state.matchList = searchBank(main.state.bank, query);
  showListing(main);
}

}  // namespace

void onBankDropped(MainWindow& main, const Text& paths) {
  if (shellPathExtension(paths) != kBankExtension) {
    setControlText(main.编辑框2, kWrongBankText);
    return;
  }
  // A file that cannot be read leaves the bank loaded before, and its file, in use.
  OpenedBank opened = openBank(paths);
  try {
    if (opened.readable) main.state.bank.assign(std::move(opened.text));
  } catch (const std::bad_alloc&) {
    opened.readable = false;
  }
  if (!opened.readable) {
    setControlText(main.编辑框2, kBankUnreadableText + paths);
    return;
  }
  main.state.bankFile = std::move(opened.file);
  setControlText(main.编辑框2, kBankChosenText + paths);
  EnableWindow(main.检索方式, TRUE);
  EnableWindow(main.编辑框1, TRUE);
}

void onQueryChanged(MainWindow& main) { searchAndShow(main, controlText(main.编辑框1)); }

void onClipboardPoll(MainWindow& main) {
  main.state.clipText = clipboardText();
  main.state.resultText = kListingHeading;
  if (main.state.clipText.empty()) return;
  searchAndShow(main, main.state.clipText);
  emptyClipboard();
}

void onScreenshotButton(MainWindow& main) {
  AppState& state = main.state;
  CaptureContext capture{main.window,  main.图片框_图片数据, state.dragging, state.pressX,
                         state.pressY, state.moveX,         state.moveY};
  openCaptureOverlay(capture);
  // Disabled before the worker starts; the worker enables it as its last step.
  EnableWindow(main.window, FALSE);
  if (!startRecognitionWorker(
          {main.window, main.编辑框_识别结果, main.图片框_图片数据, state.accessToken})) {
    EnableWindow(main.window, TRUE);
  }
}

void onMouseButton(MainWindow&, int code, int state) {
  if (sendsCopyKeystroke(code, state)) sendCopyKeystroke();
}
