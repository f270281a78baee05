#include "skin/pe_image.h"

#include <algorithm>
#include <cstring>

#include "base/text_rules.h"

namespace {

// Reads a little-endian value at an offset known to lie inside the bytes.
template <typename T>
T read(std::span<const std::uint8_t> bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

bool fits(std::size_t size, std::uint64_t offset, std::uint64_t length) {
  return offset <= size && length <= size - offset;
}

DataDirectory directoryAt(std::span<const std::uint8_t> image, std::size_t optionalHeader,
                          int index) {
  std::size_t at = optionalHeader + 96 + 8 * index;
  return {read<std::uint32_t>(image, at), read<std::uint32_t>(image, at + 4)};
}

}  // namespace

std::optional<PeLayout> readPeLayout(std::span<const std::uint8_t> image, bool mapped) {
  if (image.size() < 64 || read<std::uint16_t>(image, 0) != 0x5A4D) return std::nullopt;
  std::uint32_t ntHeaders = read<std::uint32_t>(image, 60);
  if (!fits(image.size(), ntHeaders, kNtHeadersSize)) return std::nullopt;
  if (read<std::uint32_t>(image, ntHeaders) != 0x4550) return std::nullopt;
  PeLayout layout{};
  layout.ntHeadersOffset = ntHeaders;
  std::uint16_t sectionCount = read<std::uint16_t>(image, ntHeaders + 6);
  layout.characteristics = read<std::uint16_t>(image, ntHeaders + 22);
  if (!(layout.characteristics & kExecutableImage)) return std::nullopt;
  layout.headersSize = ntHeaders + kNtHeadersSize + kSectionHeaderSize * sectionCount;
  if (layout.headersSize > image.size()) return std::nullopt;

  std::size_t optionalHeader = ntHeaders + 24;
  layout.entryPoint = read<std::uint32_t>(image, optionalHeader + 16);
  layout.imageBase = read<std::uint32_t>(image, optionalHeader + 28);
  std::uint32_t alignment = read<std::uint32_t>(image, optionalHeader + 32);
  std::uint64_t sizeOfImage = read<std::uint32_t>(image, optionalHeader + 56);
  layout.exports = directoryAt(image, optionalHeader, 0);
  layout.imports = directoryAt(image, optionalHeader, 1);
  layout.relocations = directoryAt(image, optionalHeader, 5);

  for (std::uint16_t i = 0; i < sectionCount; ++i) {
    std::size_t at = ntHeaders + kNtHeadersSize + kSectionHeaderSize * i;
    SectionHeader section{read<std::uint32_t>(image, at + 8), read<std::uint32_t>(image, at + 12),
                          read<std::uint32_t>(image, at + 16), read<std::uint32_t>(image, at + 20)};
    if (!mapped && section.sizeOfRawData > 0 && section.virtualAddress != 0 &&
        !fits(image.size(), section.pointerToRawData, section.sizeOfRawData)) {
      return std::nullopt;  // raw data outside the image
    }
    std::uint64_t end = std::uint64_t(section.virtualAddress) +
                        std::max(section.sizeOfRawData, section.virtualSize);
    if (alignment > 0) end = (end + alignment - 1) / alignment * alignment;
    sizeOfImage = std::max(sizeOfImage, end);
    layout.sections.push_back(section);
  }
  // A 32-bit process holds far less than this; larger sizes are forged.
  if (sizeOfImage == 0 || sizeOfImage > (1u << 30) || layout.headersSize > sizeOfImage) {
    return std::nullopt;
  }
  for (const SectionHeader& section : layout.sections) {
    if (section.sizeOfRawData > 0 && section.virtualAddress != 0 &&
        !fits(sizeOfImage, section.virtualAddress, section.sizeOfRawData)) {
      return std::nullopt;
    }
  }
  layout.sizeOfImage = static_cast<std::uint32_t>(sizeOfImage);
  return layout;
}

void copyImage(std::span<const std::uint8_t> image, const PeLayout& layout,
               std::span<std::uint8_t> mapping) {
  std::memcpy(mapping.data(), image.data(), layout.headersSize);
  for (const SectionHeader& section : layout.sections) {
    if (section.sizeOfRawData == 0 || section.virtualAddress == 0) continue;
    std::memcpy(mapping.data() + section.virtualAddress, image.data() + section.pointerToRawData,
                section.sizeOfRawData);
  }
}

bool applyRelocations(std::span<std::uint8_t> mapping, std::uint32_t directory,
                      std::uint32_t delta) {
  std::uint64_t offset = directory;
  for (;;) {
    if (!fits(mapping.size(), offset, 8)) return false;
    std::uint32_t page = read<std::uint32_t>(mapping, offset);
    std::uint32_t blockSize = read<std::uint32_t>(mapping, offset + 4);
    if (page == 0) return true;
    if (blockSize < 8 || !fits(mapping.size(), offset, blockSize)) return false;
    std::size_t entries = (blockSize - 8) / 2;
    for (std::size_t i = 0; i < entries; ++i) {
      std::uint16_t entry = read<std::uint16_t>(mapping, offset + 8 + 2 * i);
      if (entry >> 12 != 3) continue;  // only the 32-bit type moves anything
      std::uint64_t target = std::uint64_t(page) + (entry & 0xFFF);
      if (!fits(mapping.size(), target, 4)) return false;
      std::uint32_t value = read<std::uint32_t>(mapping, target) + delta;
      std::memcpy(mapping.data() + target, &value, 4);
    }
    offset += blockSize;
  }
}

bool resolveImports(std::span<std::uint8_t> mapping, std::uint32_t directory,
                    const ImportResolver& resolve) {
  for (std::uint64_t descriptor = directory;; descriptor += 20) {
    if (!fits(mapping.size(), descriptor, 20)) return false;
    std::uint32_t moduleName = read<std::uint32_t>(mapping, descriptor + 12);
    std::uint32_t firstThunk = read<std::uint32_t>(mapping, descriptor + 16);
    if (firstThunk == 0) return true;
    if (!stringAt(mapping, moduleName)) return false;
    for (std::uint64_t thunk = firstThunk;; thunk += 4) {
      if (!fits(mapping.size(), thunk, 4)) return false;
      std::uint32_t entry = read<std::uint32_t>(mapping, thunk);
      if (entry == 0) break;
      ImportName import{moduleName, (entry & 0x80000000u) != 0,
                        static_cast<std::uint16_t>(entry & 0xFFFF), 0};
      if (!import.byOrdinal) {
        import.functionName = entry + 2;  // after the 2-byte hint
        if (entry > 0xFFFFFFFDu || !stringAt(mapping, import.functionName)) return false;
      }
      std::uint32_t address = resolve(import);
      if (address == 0) return false;
      std::memcpy(mapping.data() + thunk, &address, 4);
    }
  }
}

std::optional<std::string_view> stringAt(std::span<const std::uint8_t> mapping,
                                         std::uint32_t offset) {
  if (offset >= mapping.size()) return std::nullopt;
  const auto* start = reinterpret_cast<const char*>(mapping.data() + offset);
  const void* end = std::memchr(start, 0, mapping.size() - offset);
  if (!end) return std::nullopt;
  return std::string_view(start, static_cast<const char*>(end) - start);
}

std::uint32_t findExport(std::span<const std::uint8_t> mapping, const DataDirectory& exports,
                         std::string_view name) {
  if (exports.size == 0 || !fits(mapping.size(), exports.virtualAddress, 40)) return 0;
  std::uint32_t at = exports.virtualAddress;
  std::uint32_t base = read<std::uint32_t>(mapping, at + 16);
  std::uint32_t functionCount = read<std::uint32_t>(mapping, at + 20);
  std::uint32_t nameCount = read<std::uint32_t>(mapping, at + 24);
  std::uint32_t functions = read<std::uint32_t>(mapping, at + 28);
  std::uint32_t names = read<std::uint32_t>(mapping, at + 32);
  std::uint32_t ordinals = read<std::uint32_t>(mapping, at + 36);
  if (!fits(mapping.size(), functions, std::uint64_t(functionCount) * 4)) return 0;
  // An entry that points outside the mapping counts as none.
  auto functionAt = [&](std::uint64_t index) {
    std::uint32_t entry = read<std::uint32_t>(mapping, functions + 4 * index);
    return entry < mapping.size() ? entry : 0;
  };

  int number = textToInt(name);
  if (std::to_string(number) == name) {
    std::int64_t index = std::int64_t(number) - base;
    if (index < 0 || index >= functionCount) return 0;
    return functionAt(static_cast<std::uint64_t>(index));
  }
  if (nameCount == 0) return 0;
  if (!fits(mapping.size(), names, 4) ||
      !fits(mapping.size(), ordinals, std::uint64_t(nameCount) * 2)) {
    return 0;
  }
  // The names follow one another in the order of the name table, as linkers store them.
  std::optional<std::string_view> current = stringAt(mapping, read<std::uint32_t>(mapping, names));
  for (std::uint32_t i = 0; i < nameCount && current; ++i) {
    std::uint16_t index = read<std::uint16_t>(mapping, ordinals + 2 * i);
    if (index < functionCount && *current == name && functionAt(index) != 0) {
      return functionAt(index);
    }
    std::uint64_t next = static_cast<std::uint64_t>(current->data() + current->size() + 1 -
                                                    reinterpret_cast<const char*>(mapping.data()));
    current = next < mapping.size() ? stringAt(mapping, static_cast<std::uint32_t>(next))
                                    : std::nullopt;
  }
  return 0;
}
