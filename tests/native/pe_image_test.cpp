#include "skin/pe_image.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  std::memcpy(bytes.data() + at, &value, 4);
}
void put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
  std::memcpy(bytes.data() + at, &value, 2);
}
std::uint32_t get32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  std::uint32_t value;
  std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

// The smallest image the reader takes: headers at 64, one section of 16 raw bytes.
std::vector<std::uint8_t> minimalImage() {
  std::vector<std::uint8_t> image(0x400, 0);
  put16(image, 0, 0x5A4D);
  put32(image, 60, 64);
  put32(image, 64, 0x4550);
  put16(image, 64 + 6, 1);                  // one section
  put16(image, 64 + 22, 0x2102);            // executable DLL
  put32(image, 64 + 24 + 16, 0x1000);       // entry point
  put32(image, 64 + 24 + 28, 0x10000000);   // image base
  put32(image, 64 + 24 + 32, 0x1000);       // section alignment
  put32(image, 64 + 24 + 56, 0x1000);       // size of image, raised by the section
  std::size_t section = 64 + 248;
  put32(image, section + 8, 0x10);          // virtual size
  put32(image, section + 12, 0x1000);       // virtual address
  put32(image, section + 16, 0x10);         // raw size
  put32(image, section + 20, 0x200);        // raw data
  return image;
}

TEST(PeLayoutTest, ReadsAndRaisesTheSize) {
  std::optional<PeLayout> layout = readPeLayout(minimalImage());
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->sizeOfImage, 0x2000u);
  EXPECT_EQ(layout->headersSize, 64u + 248 + 40);
  EXPECT_TRUE(layout->isDll());
  EXPECT_EQ(layout->entryPoint, 0x1000u);
}

TEST(PeLayoutTest, RefusesBrokenHeaders) {
  struct Case {
    const char* name;
    std::size_t offset;
    std::uint32_t value;
    int size;
  };
  for (const Case& c : {Case{"no MZ", 0, 0x4D5A, 2}, Case{"no PE", 64, 0x4551, 4},
                        Case{"e_lfanew beyond", 60, 0x3F0, 4}, Case{"not executable", 86, 0x2100, 2},
                        Case{"section table beyond", 70, 40, 2},
                        Case{"raw data beyond", 64 + 248 + 20, 0x3F8, 4},
                        Case{"enormous size", 64 + 24 + 56, 0xF0000000u, 4}}) {
    std::vector<std::uint8_t> image = minimalImage();
    if (c.size == 2) put16(image, c.offset, static_cast<std::uint16_t>(c.value));
    else put32(image, c.offset, c.value);
    EXPECT_FALSE(readPeLayout(image)) << c.name;
  }
  std::vector<std::uint8_t> image = minimalImage();
  EXPECT_FALSE(readPeLayout(std::span<const std::uint8_t>(image.data(), 63)));
}

TEST(RelocationsTest, MovesHighLowTargetsOnly) {
  std::vector<std::uint8_t> mapping(0x2000, 0);
  put32(mapping, 0x1000, 0x100);  // block: page 0x100, 12 bytes, two entries
  put32(mapping, 0x1004, 12);
  put16(mapping, 0x1008, 0x3010);  // HIGHLOW at 0x110
  put16(mapping, 0x100A, 0x0020);  // type 0 at 0x120: untouched
  put32(mapping, 0x110, 0x10001000);
  put32(mapping, 0x120, 0x10002000);
  ASSERT_TRUE(applyRelocations(mapping, 0x1000, 0x50000));
  EXPECT_EQ(get32(mapping, 0x110), 0x10051000u);
  EXPECT_EQ(get32(mapping, 0x120), 0x10002000u);
  std::vector<std::uint8_t> unchanged = mapping;
  ASSERT_TRUE(applyRelocations(mapping, 0x1000, 0));
  EXPECT_EQ(mapping, unchanged);
}

TEST(RelocationsTest, RefusesWalksThatLeaveTheMapping) {
  std::vector<std::uint8_t> mapping(0x2000, 0);
  put32(mapping, 0x1000, 0x100);
  put32(mapping, 0x1004, 4);  // shorter than its own header
  EXPECT_FALSE(applyRelocations(mapping, 0x1000, 1));
  put32(mapping, 0x1004, 10);
  put16(mapping, 0x1008, 0x3FFE);  // target 0x10FE + 4 fits; page beyond does not
  put32(mapping, 0x1000, 0x1FFE);
  EXPECT_FALSE(applyRelocations(mapping, 0x1000, 1));
  EXPECT_FALSE(applyRelocations(mapping, 0x1FFC, 1)) << "header beyond the end";
}

TEST(ImportsTest, ResolvesEveryEntryOrFails) {
  std::vector<std::uint8_t> mapping(0x1000, 0);
  put32(mapping, 0x100 + 12, 0x200);  // module name
  put32(mapping, 0x100 + 16, 0x300);  // import address table
  std::memcpy(mapping.data() + 0x200, "kernel32.dll", 13);
  put32(mapping, 0x300, 0x400);          // by name: hint, then the name
  put32(mapping, 0x304, 0x80000007u);    // by ordinal 7
  std::memcpy(mapping.data() + 0x402, "GetTickCount", 13);
  std::vector<std::string> asked;
  auto resolve = [&](const ImportName& import) -> std::uint32_t {
    asked.push_back(import.byOrdinal ? "#" + std::to_string(import.ordinal)
                                     : std::string(*stringAt(mapping, import.functionName)));
    return 0x7000 + static_cast<std::uint32_t>(asked.size());
  };
  ASSERT_TRUE(resolveImports(mapping, 0x100, resolve));
  EXPECT_EQ(asked, (std::vector<std::string>{"GetTickCount", "#7"}));
  EXPECT_EQ(get32(mapping, 0x300), 0x7001u);
  EXPECT_EQ(get32(mapping, 0x304), 0x7002u);
  EXPECT_FALSE(resolveImports(mapping, 0x100, [](const ImportName&) { return 0u; }));
  put32(mapping, 0x100 + 16, 0xFFF0);
  EXPECT_FALSE(resolveImports(mapping, 0x100, resolve)) << "table beyond the mapping";
}

TEST(ExportsTest, ByOrdinalOrExactName) {
  std::vector<std::uint8_t> mapping(0x1000, 0);
  std::size_t directory = 0x100;
  put32(mapping, directory + 16, 5);       // ordinal base
  put32(mapping, directory + 20, 3);       // functions
  put32(mapping, directory + 24, 2);       // names
  put32(mapping, directory + 28, 0x200);   // function table
  put32(mapping, directory + 32, 0x300);   // name pointers
  put32(mapping, directory + 36, 0x380);   // name ordinals
  put32(mapping, 0x200, 0x500);
  put32(mapping, 0x204, 0x600);
  put32(mapping, 0x208, 0x5000);  // outside the mapping
  put32(mapping, 0x300, 0x400);
  std::memcpy(mapping.data() + 0x400, "07\0Alpha", 9);
  put16(mapping, 0x380, 1);
  put16(mapping, 0x382, 0);
  DataDirectory exports{0x100, 40};
  EXPECT_EQ(findExport(mapping, exports, "5"), 0x500u);
  EXPECT_EQ(findExport(mapping, exports, "6"), 0x600u);
  EXPECT_EQ(findExport(mapping, exports, "7"), 0u) << "an entry outside the mapping";
  EXPECT_EQ(findExport(mapping, exports, "4"), 0u);
  EXPECT_EQ(findExport(mapping, exports, "07"), 0x600u);
  EXPECT_EQ(findExport(mapping, exports, "Alpha"), 0x500u);
  EXPECT_EQ(findExport(mapping, exports, "alpha"), 0u);
  EXPECT_EQ(findExport(mapping, {0xFF0, 40}, "Alpha"), 0u);
  EXPECT_EQ(findExport(mapping, {0x100, 0}, "Alpha"), 0u);
}

}  // namespace
