#include "skin/skin_attachment_win.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "skin/native_call_win.h"

// The carried data, embedded at build time.
extern const unsigned char kSkinModuleImage[];
extern const std::size_t kSkinModuleImageSize;
extern const unsigned char kSkinResource[];
extern const std::size_t kSkinResourceSize;

namespace {

// Tests may hand the tool another module image (QUIZ_SKIN_MODULE, a file path).
Bytes skinModuleImage() {
  if (const char* path = std::getenv("QUIZ_SKIN_MODULE")) {
    Bytes image;
    if (FILE* file = std::fopen(path, "rb")) {
      unsigned char buffer[4096];
      std::size_t read;
      while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        image.insert(image.end(), buffer, buffer + read);
      }
      std::fclose(file);
    }
    return image;
  }
  return Bytes(kSkinModuleImage, kSkinModuleImage + kSkinModuleImageSize);
}

}  // namespace

void loadSkinModule(AppState& state) { state.skinModule.load(skinModuleImage(), 0, 0); }

void attachSkin(AppState& state) {
  state.skinAttachment.resource = Bytes(kSkinResource, kSkinResource + kSkinResourceSize);
  state.skinAttachment.hue = state.skinAttachment.saturation = state.skinAttachment.brightness = 0;
  std::uintptr_t attach = state.skinModule.exportAddress("SkinH_AttachRes");
  if (attach == 0) return;
  nativeCall(attach, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(kSkinResource)),
             static_cast<std::uint32_t>(kSkinResourceSize), 0, 0, 0, 0);
}
