#pragma once
// Opening a dropped bank file and reading its text.

#include <windows.h>

#include "base/handles_win.h"
#include "base/text.h"

struct OpenedBank {
  UniqueFile file;  // invalid when the file could not be opened
  Text text;        // empty when it could not be opened or read
};

// Opens the file for reading, shared with every other opener, and reads the bank
// from its start up to the first 0x00 or 0x1A.
OpenedBank openBank(const Text& path);
