// The module image checks and the walks over a mapping laid out from the image.

#include <cstring>

#include "fuzz/fuzz_input.h"
#include "skin/pe_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> image(data, size);
  std::optional<PeLayout> layout = readPeLayout(image);
  if (!layout || layout->sizeOfImage > (16u << 20)) return 0;
  std::vector<std::uint8_t> mapping(layout->sizeOfImage, 0);
  copyImage(image, *layout, mapping);
  if (layout->relocations.size > 0) applyRelocations(mapping, layout->relocations.virtualAddress, 0x10000);
  if (layout->imports.virtualAddress > 0) {
    resolveImports(mapping, layout->imports.virtualAddress, [&](const ImportName& import) {
      FUZZ_CHECK(stringAt(mapping, import.moduleName).has_value());
      return 0x1234u;
    });
  }
  for (const char* name : {"SkinH_AttachRes", "1", "07"}) {
    FUZZ_CHECK(findExport(mapping, layout->exports, name) < mapping.size());
  }
  return 0;
}
