#pragma once
// Reading a 32-bit PE module image and laying it out in memory, with every offset taken
// from the image checked against the image or the mapping before it is used.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/text.h"

inline constexpr std::uint16_t kExecutableImage = 0x0002;
inline constexpr std::uint16_t kDllImage = 0x2000;
inline constexpr std::size_t kNtHeadersSize = 248;
inline constexpr std::size_t kSectionHeaderSize = 40;

struct DataDirectory {
  std::uint32_t virtualAddress = 0;
  std::uint32_t size = 0;
};

struct SectionHeader {
  std::uint32_t virtualSize, virtualAddress, sizeOfRawData, pointerToRawData;
};

struct PeLayout {
  std::uint32_t ntHeadersOffset;  // e_lfanew
  std::uint16_t characteristics;
  std::uint32_t entryPoint;  // AddressOfEntryPoint
  std::uint32_t imageBase;
  std::uint32_t sizeOfImage;  // raised to cover every section
  std::size_t headersSize;    // e_lfanew + 248 + 40 per section: the bytes copied first
  DataDirectory exports, imports, relocations;
  std::vector<SectionHeader> sections;

  bool isDll() const { return (characteristics & kDllImage) != 0; }
};

// The layout of an image, or nothing when it is no loadable module: shorter than 64
// bytes, no "MZ" or "PE\0\0", headers or section table beyond its end, not an
// executable image, a section whose raw data lies outside the image, a size of 0.
// For the headers of a module already mapped, the raw data (file offsets) is not looked at.
std::optional<PeLayout> readPeLayout(std::span<const std::uint8_t> image, bool mapped = false);

// Copies headers and section data into a zero-filled mapping of sizeOfImage bytes.
void copyImage(std::span<const std::uint8_t> image, const PeLayout& layout,
               std::span<std::uint8_t> mapping);

// Adds delta to every 32-bit (HIGHLOW) relocation target; false when a block is shorter
// than 8 bytes or the walk leaves the mapping. The walk runs also for a delta of 0.
bool applyRelocations(std::span<std::uint8_t> mapping, std::uint32_t directory,
                      std::uint32_t delta);

// One import as the image names it; the resolver gives its address, or 0.
struct ImportName {
  std::uint32_t moduleName;  // offset of the module's name in the mapping
  bool byOrdinal;
  std::uint16_t ordinal;
  std::uint32_t functionName;  // offset of the function's name, when not by ordinal
};
using ImportResolver = std::function<std::uint32_t(const ImportName&)>;

// Writes the resolved address over each entry of every import address table; false
// when an import is not supplied or the walk leaves the mapping.
bool resolveImports(std::span<std::uint8_t> mapping, std::uint32_t directory,
                    const ImportResolver& resolve);

// The offset of an export in the mapping, by ordinal when the name is a number written
// in decimal ("7"), else by exact name ("07" is a name); 0 when there is none.
std::uint32_t findExport(std::span<const std::uint8_t> mapping, const DataDirectory& exports,
                         std::string_view name);

// A zero-terminated string at an offset of the mapping, if it ends inside it.
std::optional<std::string_view> stringAt(std::span<const std::uint8_t> mapping,
                                         std::uint32_t offset);
