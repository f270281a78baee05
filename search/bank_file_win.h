#pragma once
// Opening a dropped bank file and reading its text.

#include <windows.h>

#include "base/handles_win.h"
#include "base/text.h"

struct OpenedBank {
  bool readable = false;  // false when the file could not be opened or read whole
  UniqueFile file;
  Text text;
};

// Opens the file for reading, shared with every other opener, and reads the bank
// from its start up to the first 0x00 or 0x1A. An empty file is a readable, empty bank.
OpenedBank openBank(const Text& path);

// The extension of a path by the shell's own rule (PathFindExtensionA).
Text shellPathExtension(const Text& path);
