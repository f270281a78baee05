#pragma once
// Owners the driver needs beyond base/handles_win.h.

#include <ole2.h>
#include <windows.h>

#include "base/handles_win.h"

inline void freeGlobal(HGLOBAL block) {
  GlobalFree(block);
}
// Memory handed to the clipboard or to a drop target; freed unless handed over (take).
using UniqueGlobal = Owned<HGLOBAL, freeGlobal>;

// A movable block locked for one scope.
class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;
  ~LockedGlobal() {
    if (data_) GlobalUnlock(block_);
  }
  template <typename T>
  T* as() const {
    return static_cast<T*>(data_);
  }
  explicit operator bool() const { return data_ != nullptr; }

 private:
  HGLOBAL block_;
  void* data_;
};

// OLE on this thread for one scope; DoDragDrop and RegisterDragDrop need it.
class OleScope {
 public:
  OleScope() : result_(OleInitialize(nullptr)) {}
  OleScope(const OleScope&) = delete;
  OleScope& operator=(const OleScope&) = delete;
  ~OleScope() {
    if (SUCCEEDED(result_)) OleUninitialize();
  }
  explicit operator bool() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

// A storage medium given by IDataObject::GetData, released once.
class ReceivedMedium {
 public:
  ReceivedMedium() = default;
  ReceivedMedium(const ReceivedMedium&) = delete;
  ReceivedMedium& operator=(const ReceivedMedium&) = delete;
  ~ReceivedMedium() {
    if (filled_) ReleaseStgMedium(&medium_);
  }
  // Asks the data object for the format; false when it has none.
  bool fill(IDataObject* data, FORMATETC format) {
    filled_ = SUCCEEDED(data->GetData(&format, &medium_));
    return filled_;
  }
  const STGMEDIUM& get() const { return medium_; }

 private:
  STGMEDIUM medium_{};
  bool filled_ = false;
};
