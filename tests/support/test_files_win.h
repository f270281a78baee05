#pragma once
// Files a Windows test writes for the tool to read.

#include <windows.h>

#include <string_view>

#include "base/handles_win.h"
#include "base/text.h"

// The temporary folder, with a trailing backslash.
inline Text temporaryFolder() {
  char folder[MAX_PATH];
  DWORD length = GetTempPathA(MAX_PATH, folder);
  return Text(folder, length);
}

// Creates or replaces the file with exactly these bytes; false when it cannot.
inline bool writeTestFile(const Text& path, std::string_view bytes) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file &&
         WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}
