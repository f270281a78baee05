#pragma once
// Paths and their extensions by the shell's rule; shared by the portable rule's test
// and the test that holds it against the shell's own PathFindExtensionA.

#include <vector>

#include "base/text.h"

struct PathCase {
  const char* name;
  Text path;
  Text extension;
};

inline std::vector<PathCase> pathCases() {
  return {
      {"Txt", "Z:\\tmp\\bank.txt", ".txt"},
      {"UpperCase", "Z:\\tmp\\bank.TXT", ".TXT"},
      {"Backup", "Z:\\tmp\\bank.txt.bak", ".bak"},
      {"None", "Z:\\tmp\\bank", ""},
      {"SpaceBeforeExtension", "C:\\my bank.txt", ".txt"},
      {"SpaceAfterDot", "C:\\a.b c", ""},
      {"DotInFolder", "C:\\dir.txt\\bank", ""},
      {"TrailingDot", "bank.", "."},
      {"ChineseName", "Z:\\题库\\题库.txt", ".txt"},
      // 0x5C as the second byte of a character is no backslash.
      {"TrailBackslash", "a.txt\x81\x5C", ".txt\x81\x5C"},
      {"TrailBackslashBeforeName", "a.\x81\x5C.txt", ".txt"},
      {"SeveralFiles", "Z:\\a.txt\r\nZ:\\b.txt\r\n", ".txt\r\n"},
  };
}
