// A real OLE drag and drop of files from this process onto another window: a data
// object offering CF_HDROP, and a drop source that moves the cursor onto the target
// and lets go after a few polls.

#include <ole2.h>
#include <shlobj.h>

#include <cstring>

#include "base/com_object_win.h"
#include "tests/driver/owners_win.h"
#include "tests/driver/tool_driver_win.h"

namespace {

FORMATETC hdropFormat() {
  return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// DROPFILES followed by the ANSI paths, each NUL-terminated, and a final NUL.
UniqueGlobal dropFilesBlock(const std::vector<Text>& paths) {
  std::size_t size = sizeof(DROPFILES) + 1;
  for (const Text& path : paths) size += path.size() + 1;
  UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
  if (!block) return block;
  LockedGlobal locked(block.get());
  if (!locked) return UniqueGlobal();
  auto* header = locked.as<DROPFILES>();
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  char* at = reinterpret_cast<char*>(header + 1);
  for (const Text& path : paths) {
    std::memcpy(at, path.c_str(), path.size() + 1);
    at += path.size() + 1;
  }
  return block;
}

class FilesDataObject final : public ComObject<IDataObject> {
 public:
  explicit FilesDataObject(std::vector<Text> paths) : paths_(std::move(paths)) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    UniqueGlobal block = dropFilesBlock(paths_);
    if (!block) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block.take();  // a fresh block each time: the receiver frees it
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return format && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL)
               ? S_OK
               : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format = hdropFormat();
    return SHCreateStdEnumFmtEtc(1, &format, out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  std::vector<Text> paths_;
};

// Holds the cursor over the target for a few polls, so that it sees the drag enter and
// move, then drops.
class CursorDropSource final : public ComObject<IDropSource> {
 public:
  explicit CursorDropSource(POINT target) : target_(target) {}

  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
    if (escape) return DRAGDROP_S_CANCEL;
    SetCursorPos(target_.x, target_.y);
    return ++polls_ < kPollsBeforeDrop ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  static constexpr int kPollsBeforeDrop = 8;
  POINT target_;
  int polls_ = 0;
};

}  // namespace

bool dropFiles(HWND target, const std::vector<Text>& paths) {
  OleScope ole;
  RECT rect;
  if (!ole || !GetWindowRect(target, &rect)) return false;
  POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  SetCursorPos(centre.x, centre.y);
  ComPtr<IDataObject> data(new FilesDataObject(paths));
  ComPtr<IDropSource> source(new CursorDropSource(centre));
  DWORD effect = DROPEFFECT_NONE;
  HRESULT result = DoDragDrop(data.get(), source.get(), DROPEFFECT_COPY, &effect);
  return result == DRAGDROP_S_DROP && effect != DROPEFFECT_NONE;
}

Text hostPathToWindows(const Text& path) {
  if (path.empty() || path[0] != '/') return path;
  Text windows = "Z:" + path;
  for (char& c : windows) {
    if (c == '/') c = '\\';
  }
  return windows;
}
