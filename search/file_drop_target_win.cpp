#include "search/file_drop_target_win.h"

#include <shellapi.h>

#include <vector>

#include "base/com_object_win.h"
#include "search/bank_file.h"

namespace {

FORMATETC hdropFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

std::vector<Text> pathsOf(HDROP drop) {
  std::vector<Text> paths;
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    Text path(length + 1, '\0');
    UINT copied = DragQueryFileA(drop, i, path.data(), length + 1);
    path.resize(copied);
    paths.push_back(path);
  }
  return paths;
}

class FileDropTarget final : public ComObject<IDropTarget> {
 public:
  explicit FileDropTarget(DroppedFilesHandler handler) : handler_(std::move(handler)) {}

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    FORMATETC format = hdropFormat();
    accepting_ = data && data->QueryGetData(&format) == S_OK;
    *effect = accepting_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = accepting_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    accepting_ = false;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    FORMATETC format = hdropFormat();
    STGMEDIUM medium{};
    if (!data || data->GetData(&format, &medium) != S_OK) return S_OK;
    std::vector<Text> paths;
    if (void* locked = GlobalLock(medium.hGlobal)) {
      paths = pathsOf(static_cast<HDROP>(locked));
      GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    if (paths.empty()) return S_OK;
    *effect = DROPEFFECT_COPY;
    handler_(droppedFilesText(paths));
    return S_OK;
  }

 private:
  DroppedFilesHandler handler_;
  bool accepting_ = false;
};

}  // namespace

bool registerFileDrop(HWND window, DroppedFilesHandler handler) {
  auto* target = new FileDropTarget(std::move(handler));
  HRESULT result = RegisterDragDrop(window, target);
  target->Release();  // the registration holds its own reference
  return SUCCEEDED(result);
}

void revokeFileDrop(HWND window) { RevokeDragDrop(window); }
