#include "recognition/picture_converter_win.h"

#include <objbase.h>
#include <objidl.h>

#include <cstring>

#include "base/handles_win.h"
#include "base/text_rules.h"
#include "recognition/picture_formats.h"

// The GDI+ flat interface, as gdiplus.dll exports it.
extern "C" {
struct GdiplusStartupInputFlat {
  UINT32 gdiplusVersion;
  void* debugEventCallback;
  BOOL suppressBackgroundThread;
  BOOL suppressExternalCodecs;
};
int WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInputFlat* input, void* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
int WINAPI GdipCreateBitmapFromStream(IStream* stream, void** bitmap);
int WINAPI GdipCreateHBITMAPFromBitmap(void* bitmap, HBITMAP* handle, DWORD background);
int WINAPI GdipCreateBitmapFromHBITMAP(HBITMAP handle, HPALETTE palette, void** bitmap);
int WINAPI GdipSaveImageToStream(void* image, IStream* stream, const CLSID* encoder,
                                 const void* parameters);
int WINAPI GdipDisposeImage(void* image);
}

namespace {

// GDI+ from start-up to shutdown, for one conversion.
class GdiplusSession {
 public:
  GdiplusSession() {
    GdiplusStartupInputFlat input{1, nullptr, FALSE, FALSE};
    GdiplusStartup(&token_, &input, nullptr);
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession() { GdiplusShutdown(token_); }

 private:
  ULONG_PTR token_ = 0;
};

inline void disposeImage(void* image) { GdipDisposeImage(image); }
using GdiplusImage = Owned<void*, disposeImage>;
inline void freeGlobal(HGLOBAL block) { GlobalFree(block); }
using GlobalBlock = Owned<HGLOBAL, freeGlobal>;

// A stream over a copy of the bytes; the stream does not own the block.
ComPtr<IStream> readStreamOver(const Bytes& bytes, GlobalBlock& block) {
  block.reset(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
  ComPtr<IStream> stream;
  if (!block) return stream;
  if (void* at = GlobalLock(block.get())) {
    std::memcpy(at, bytes.data(), bytes.size());
    GlobalUnlock(block.get());
  }
  CreateStreamOnHGlobal(block.get(), FALSE, stream.put());
  return stream;
}

// The bytes written to a stream that owns its block: exactly as many as were written.
Bytes writtenBytes(IStream* stream) {
  STATSTG status{};
  HGLOBAL block = nullptr;
  if (FAILED(stream->Stat(&status, STATFLAG_NONAME)) || FAILED(GetHGlobalFromStream(stream, &block))) {
    return {};
  }
  Bytes bytes;
  const void* at = GlobalLock(block);
  if (at) {
    std::size_t size = static_cast<std::size_t>(status.cbSize.QuadPart);
    bytes.assign(static_cast<const std::uint8_t*>(at), static_cast<const std::uint8_t*>(at) + size);
    GlobalUnlock(block);
  }
  return bytes;
}

void writeFile(const Text& path, const Bytes& bytes) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file) WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

CLSID clsidFromText(const Text& text) {
  CLSID clsid{};
  int units = MultiByteToWideChar(936, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(units > 0 ? units : 1, L'\0');
  MultiByteToWideChar(936, 0, text.c_str(), -1, wide.data(), units);
  if (FAILED(CLSIDFromString(wide.data(), &clsid))) clsid = CLSID{};
  return clsid;
}

bool convertPicture(const Bytes& input, int formatNumber, const Text& savePath, Bytes& output,
                    bool flattenFirst) {
  if (input.size() < 3) return false;
  GdiplusSession gdiplus;
  PictureEncoder encoder = encoderOf(formatNumber);
  CLSID clsid = clsidFromText(encoder.clsidText);

  Bytes encoded;
  {
    GlobalBlock inputBlock;
    ComPtr<IStream> in = readStreamOver(input, inputBlock);
    GdiplusImage picture;
    if (in) {
      void* decoded = nullptr;
      GdipCreateBitmapFromStream(in.get(), &decoded);
      picture.reset(decoded);
    }
    if (picture && flattenFirst) {
      HBITMAP handle = nullptr;
      GdipCreateHBITMAPFromBitmap(picture.get(), &handle, 0xFFFFFF);
      UniqueBitmap flat(handle);
      void* rebuilt = nullptr;
      if (flat) GdipCreateBitmapFromHBITMAP(flat.get(), nullptr, &rebuilt);
      picture.reset(rebuilt);
    }
    ComPtr<IStream> out;
    CreateStreamOnHGlobal(nullptr, TRUE, out.put());
    if (picture && out && encoder.clsidText[0] != '\0') {
      GdipSaveImageToStream(picture.get(), out.get(), &clsid, nullptr);
      encoded = writtenBytes(out.get());
    }
  }  // the streams, the picture and the input block go before GDI+ shuts down
  if (encoded.empty()) return false;
  if (!trimSpaces(savePath).empty()) writeFile(saveFileName(savePath, encoder.extension), encoded);
  output = std::move(encoded);
  return true;
}
