#include "skin/memory_module_win.h"

#include <windows.h>

#include <span>
#include <string>

#include "skin/native_call_win.h"
#include "skin/pe_image.h"

namespace {

// The mapping's size and layout, read back from its own headers.
std::optional<PeLayout> mappedLayout(std::uintptr_t base) {
  MEMORY_BASIC_INFORMATION region{};
  if (!VirtualQuery(reinterpret_cast<void*>(base), &region, sizeof region)) return std::nullopt;
  std::span<const std::uint8_t> headers(reinterpret_cast<const std::uint8_t*>(base),
                                        region.RegionSize);
  return readPeLayout(headers, true);
}

std::span<std::uint8_t> mappingOf(std::uintptr_t base, std::uint32_t size) {
  return {reinterpret_cast<std::uint8_t*>(base), size};
}

// An entry point of 0 would enter the headers: such a module has none to call.
std::uint32_t callEntry(std::uintptr_t base, const PeLayout& layout, std::uint32_t reason) {
  return layout.entryPoint == 0 ? 1 : nativeCall(base + layout.entryPoint, 0, reason, 0);
}

}  // namespace

bool MemoryModule::load(const Bytes& image, std::uintptr_t importResolver,
                        std::uint32_t userValue) {
  if (handle_ && !free()) return false;
  std::optional<PeLayout> layout = readPeLayout(image);
  if (!layout) return false;
  void* memory = VirtualAlloc(reinterpret_cast<void*>(static_cast<std::uintptr_t>(layout->imageBase)),
                              layout->sizeOfImage, MEM_COMMIT | MEM_RESERVE,
                              PAGE_EXECUTE_READWRITE);
  if (!memory) {
    memory = VirtualAlloc(nullptr, layout->sizeOfImage, MEM_COMMIT | MEM_RESERVE,
                          PAGE_EXECUTE_READWRITE);
  }
  if (!memory) return false;
  auto base = reinterpret_cast<std::uintptr_t>(memory);
  std::span<std::uint8_t> mapping = mappingOf(base, layout->sizeOfImage);
  copyImage(image, *layout, mapping);
  auto release = [&] {
    VirtualFree(memory, 0, MEM_RELEASE);
    return false;
  };

  if (layout->relocations.size > 0 &&
      !applyRelocations(mapping, layout->relocations.virtualAddress,
                        static_cast<std::uint32_t>(base - layout->imageBase))) {
    return release();
  }
  if (layout->imports.virtualAddress > 0) {
    auto resolve = [&](const ImportName& import) -> std::uint32_t {
      const char* moduleName = reinterpret_cast<const char*>(base + import.moduleName);
      HMODULE module = LoadLibraryA(moduleName);
      std::string ordinalText = std::to_string(import.ordinal);
      const char* functionName = import.byOrdinal
                                     ? ordinalText.c_str()
                                     : reinterpret_cast<const char*>(base + import.functionName);
      std::uint32_t address = 0;
      if (importResolver) {
        address = nativeCall(importResolver, reinterpret_cast<std::uintptr_t>(moduleName),
                             reinterpret_cast<std::uintptr_t>(functionName), userValue);
      }
      if (address == 0 && module) {
        FARPROC found = import.byOrdinal
                            ? GetProcAddress(module, MAKEINTRESOURCEA(import.ordinal))
                            : GetProcAddress(module, functionName);
        address = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(found));
      }
      return address;
    };
    if (!resolveImports(mapping, layout->imports.virtualAddress, resolve)) return release();
  }
  if (layout->isDll()) {
    if (callEntry(base, *layout, DLL_PROCESS_ATTACH) == 0) {
      callEntry(base, *layout, DLL_PROCESS_DETACH);
      return release();
    }
  }
  handle_ = base;
  return true;
}

bool MemoryModule::free() {
  if (handle_ == 0) return true;
  std::optional<PeLayout> layout = mappedLayout(handle_);
  if (!layout) return false;
  if (layout->isDll()) callEntry(handle_, *layout, DLL_PROCESS_DETACH);
  if (!VirtualFree(reinterpret_cast<void*>(handle_), 0, MEM_RELEASE)) return false;
  handle_ = 0;
  return true;
}

std::uintptr_t MemoryModule::exportAddress(const Text& name) const {
  if (handle_ == 0) return 0;
  std::optional<PeLayout> layout = mappedLayout(handle_);
  if (!layout) return 0;
  std::uint32_t offset = findExport(mappingOf(handle_, layout->sizeOfImage), layout->exports, name);
  return offset == 0 ? 0 : handle_ + offset;
}

std::uintptr_t MemoryModule::entryAddress() const {
  if (handle_ == 0) return 0;
  std::optional<PeLayout> layout = mappedLayout(handle_);
  return layout ? handle_ + layout->entryPoint : 0;
}
