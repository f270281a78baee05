#include "search/clipboard_win.h"

#include <windows.h>

#include <cstring>

namespace {

// Holds the clipboard open for one scope.
class OpenClipboardScope {
 public:
  OpenClipboardScope() : open_(OpenClipboard(nullptr) != 0) {}
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace

Text clipboardText() {
  OpenClipboardScope clipboard;
  if (!clipboard) return {};
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return {};
  const char* locked = static_cast<const char*>(GlobalLock(data));
  if (!locked) return {};
  // The block may be larger than the text, and a hostile writer may leave out the NUL.
  Text text(locked, strnlen(locked, GlobalSize(data)));
  GlobalUnlock(data);
  return text;
}

bool setClipboardText(const Text& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
  if (!block) return false;
  if (char* locked = static_cast<char*>(GlobalLock(block))) {
    std::memcpy(locked, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
  }
  OpenClipboardScope clipboard;
  if (!clipboard || !EmptyClipboard() || !SetClipboardData(CF_TEXT, block)) {
    GlobalFree(block);
    return false;
  }
  return true;  // the clipboard owns the block now
}

bool emptyClipboard() {
  OpenClipboardScope clipboard;
  return clipboard && EmptyClipboard();
}
