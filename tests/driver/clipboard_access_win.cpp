#include <cstring>

#include "tests/driver/owners_win.h"
#include "tests/driver/tool_driver_win.h"

namespace {

// The clipboard held open for one scope. The tool polls the clipboard, so an open can
// meet it holding the clipboard for a moment: try for a while before giving up.
class OpenClipboardScope {
 public:
  OpenClipboardScope() {
    for (int attempt = 0; attempt < kAttempts && !open_; ++attempt) {
      open_ = OpenClipboard(nullptr) != 0;
      if (!open_) Sleep(kPauseMs);
    }
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  explicit operator bool() const { return open_; }

 private:
  static constexpr int kAttempts = 20;
  static constexpr DWORD kPauseMs = 25;
  bool open_ = false;
};

}  // namespace

Text readClipboard() {
  OpenClipboardScope clipboard;
  if (!clipboard) return {};
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return {};
  LockedGlobal locked(data);
  if (!locked) return {};
  // The block may be larger than the text, and its writer may have left out the NUL.
  return Text(locked.as<const char>(), strnlen(locked.as<const char>(), GlobalSize(data)));
}

bool writeClipboard(const Text& text) {
  UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  if (!block) return false;
  {
    LockedGlobal locked(block.get());
    if (!locked) return false;
    std::memcpy(locked.as<char>(), text.c_str(), text.size() + 1);
  }
  OpenClipboardScope clipboard;
  if (!clipboard || !EmptyClipboard() || !SetClipboardData(CF_TEXT, block.get())) return false;
  block.take();  // the clipboard owns it now
  return true;
}

bool clipboardHasText() {
  return IsClipboardFormatAvailable(CF_TEXT) != 0;
}

bool clearClipboard() {
  OpenClipboardScope clipboard;
  return clipboard && EmptyClipboard();
}
