// The native call helper and the in-memory loader, with fixture modules built beside the
// tests (bin/modules) and Debian's zlib1.dll, under Wine.

#include "skin/memory_module_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "skin/native_call_win.h"
#include "skin/pe_image.h"
#include "tests/driver/tool_driver_win.h"

namespace {

extern "C" int __stdcall calleeCleans(int a, int b, int c) { return a * 100 + b * 10 + c; }
extern "C" int __cdecl callerCleans(int a, int b, int c) { return a * 100 + b * 10 + c; }
int received[6];
extern "C" int __stdcall sixArguments(int a, int b, int c, int d, int e, int f) {
  int values[] = {a, b, c, d, e, f};
  std::memcpy(received, values, sizeof values);
  return a + b + c + d + e + f;
}

TEST(NativeCallTest, EitherConventionKeepsTheStack) {
  for (auto routine : {reinterpret_cast<std::uintptr_t>(&calleeCleans),
                       reinterpret_cast<std::uintptr_t>(&callerCleans)}) {
    volatile int guard = 0x5A5A5A5A;
    void* before = __builtin_frame_address(0);
    EXPECT_EQ(nativeCall(routine, 1, 2, 3), 123u);
    EXPECT_EQ(__builtin_frame_address(0), before);
    EXPECT_EQ(guard, 0x5A5A5A5A);
  }
  EXPECT_EQ(nativeCall(reinterpret_cast<std::uintptr_t>(&sixArguments), 1, 2, 3, 4, 5, 6), 21u);
  EXPECT_EQ(std::vector<int>(received, received + 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

Bytes fileBytes(const Text& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Bytes fixture(const char* name = "loader_fixture.dll") {
  return fileBytes(programFolder() + "modules\\" + name);
}

int callExport(const MemoryModule& module, const char* name, int a = 0, int b = 0, int c = 0) {
  std::uintptr_t address = module.exportAddress(name);
  return address ? static_cast<int>(nativeCall(address, a, b, c)) : -1;
}

TEST(MemoryModuleTest, MapsAndFindsExportsByNameAndOrdinal) {
  MemoryModule module;
  ASSERT_TRUE(module.load(fixture()));
  EXPECT_NE(module.handle(), 0u);
  EXPECT_EQ(callExport(module, "Triple", 4, 5, 6), 456);
  EXPECT_EQ(callExport(module, "TripleCaller", 7, 8, 9), 789);
  EXPECT_EQ(callExport(module, "7"), 7) << "a number is an ordinal";
  EXPECT_EQ(callExport(module, "07"), 70) << "07 is a name";
  EXPECT_EQ(module.exportAddress("triple"), 0u) << "names match case-sensitively";
  EXPECT_EQ(module.exportAddress("99"), 0u);
  EXPECT_EQ(callExport(module, "AttachCalls"), 1);
  EXPECT_EQ(callExport(module, "CurrentProcessId"), static_cast<int>(GetCurrentProcessId()));
  EXPECT_NE(module.entryAddress(), 0u);
  EXPECT_TRUE(module.free());
  EXPECT_EQ(module.handle(), 0u);
  EXPECT_TRUE(module.free()) << "nothing mapped";
  EXPECT_EQ(module.exportAddress("Triple"), 0u);
}

TEST(MemoryModuleTest, RelocatedWhenThePreferredBaseIsTaken) {
  MemoryModule first, second;
  ASSERT_TRUE(first.load(fixture()));
  ASSERT_TRUE(second.load(fixture()));
  EXPECT_NE(first.handle(), second.handle());
  // The pointer read through a relocation is right in both places.
  EXPECT_EQ(callExport(first, "ReadMarker"), 12345);
  EXPECT_EQ(callExport(second, "ReadMarker"), 12345);
  first.free();
  second.free();
}

extern "C" std::uint32_t __stdcall fakeProcessId() { return 4242; }
extern "C" std::uint32_t __stdcall resolver(const char* module, const char* function,
                                            std::uint32_t user) {
  EXPECT_EQ(user, 99u);
  EXPECT_STRCASEEQ(module, "KERNEL32.dll");
  return std::strcmp(function, "GetCurrentProcessId") == 0
             ? static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&fakeProcessId))
             : 0;
}

TEST(MemoryModuleTest, ResolverIsAskedFirst) {
  MemoryModule module;
  ASSERT_TRUE(module.load(fixture(), reinterpret_cast<std::uintptr_t>(&resolver), 99));
  EXPECT_EQ(callExport(module, "CurrentProcessId"), 4242);
  module.free();
}

// Replaces the first occurrence of a text in the image.
Bytes patched(Bytes image, const char* from, const char* to) {
  auto at = std::search(image.begin(), image.end(), from, from + std::strlen(from));
  EXPECT_NE(at, image.end()) << from;
  if (at != image.end()) std::copy(to, to + std::strlen(to), at);
  return image;
}

std::uint32_t ntHeaders(const Bytes& image) {
  std::uint32_t offset;
  std::memcpy(&offset, image.data() + 60, 4);
  return offset;
}

TEST(MemoryModuleTest, RefusedImagesMapNothing) {
  Bytes image = fixture();
  Bytes missingImport = patched(image, "GetCurrentProcessId", "GetCurrentProcessIx");
  Bytes notExecutable = image;
  notExecutable[ntHeaders(image) + 22] &= ~0x02;
  Bytes rawDataOutside = image;
  std::uint32_t firstSection = ntHeaders(image) + 248;
  std::uint32_t huge = 0x7FFFFFF0;
  std::memcpy(rawDataOutside.data() + firstSection + 20, &huge, 4);
  struct Case {
    const char* name;
    Bytes image;
  };
  for (const Case& c :
       {Case{"63 bytes", Bytes(image.begin(), image.begin() + 63)},
        Case{"no MZ", patched(image, "MZ", "XY")},
        Case{"headers beyond the end", Bytes(image.begin(), image.begin() + ntHeaders(image) + 100)},
        Case{"missing import", missingImport}, Case{"not executable", notExecutable},
        Case{"raw data outside", rawDataOutside},
        Case{"refusing entry", fixture("loader_fixture_refusing.dll")}}) {
    MemoryModule module;
    EXPECT_FALSE(module.load(c.image)) << c.name;
    EXPECT_EQ(module.handle(), 0u) << c.name;
  }
}

TEST(MemoryModuleTest, ExecutableImageGetsNoEntryCall) {
  Bytes image = fixture();
  image[ntHeaders(image) + 23] &= ~0x20;  // the DLL bit (0x2000) cleared
  MemoryModule module;
  ASSERT_TRUE(module.load(image));
  EXPECT_EQ(callExport(module, "AttachCalls"), 0);
  module.free();
}

// A library nobody here wrote: Debian's zlib1.dll for i686.
TEST(MemoryModuleTest, MapsZlib) {
  Bytes image = fileBytes("Z:\\usr\\i686-w64-mingw32\\lib\\zlib1.dll");
  ASSERT_FALSE(image.empty()) << "libz-mingw-w64 is not installed";
  MemoryModule zlib;
  ASSERT_TRUE(zlib.load(image));
  auto version = reinterpret_cast<const char* (*)()>(zlib.exportAddress("zlibVersion"));
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(Text(version()).substr(0, 2), "1.");
  auto crc32 = reinterpret_cast<unsigned long (*)(unsigned long, const unsigned char*, unsigned)>(
      zlib.exportAddress("crc32"));
  const char* text = "The quick brown fox jumps over the lazy dog";
  EXPECT_EQ(crc32(0, reinterpret_cast<const unsigned char*>(text), std::strlen(text)), 0x414FA339ul);
  auto compress2 = reinterpret_cast<int (*)(unsigned char*, unsigned long*, const unsigned char*,
                                            unsigned long, int)>(zlib.exportAddress("compress2"));
  auto uncompress = reinterpret_cast<int (*)(unsigned char*, unsigned long*, const unsigned char*,
                                             unsigned long)>(zlib.exportAddress("uncompress"));
  Text original(5000, 'q');
  Bytes packed(6000);
  unsigned long packedSize = packed.size();
  ASSERT_EQ(compress2(packed.data(), &packedSize,
                      reinterpret_cast<const unsigned char*>(original.data()), original.size(), 9),
            0);
  EXPECT_LT(packedSize, 100ul);
  Bytes unpacked(6000);
  unsigned long unpackedSize = unpacked.size();
  ASSERT_EQ(uncompress(unpacked.data(), &unpackedSize, packed.data(), packedSize), 0);
  EXPECT_EQ(Text(unpacked.begin(), unpacked.begin() + unpackedSize), original);
}

}  // namespace
