#pragma once
// What a dropped file must be to become the bank, and which of its bytes are the bank.

#include <string_view>
#include <vector>

#include "base/text.h"

// A bank's path must end in this extension, exactly and case-sensitively.
inline constexpr char kBankExtension[] = ".txt";

// The extension of a path: from its last "." on, where only the last component counts
// and a "." followed later by a backslash or a space does not count; empty when there
// is none. Two-byte characters are stepped over whole.
Text pathExtension(std::string_view path);

// The bank is the file's bytes up to, not including, the first 0x00 or 0x1A.
std::string_view bankExtent(std::string_view fileBytes);

// The text one drop delivers: a single path as it is, several paths each followed by CR LF.
Text droppedFilesText(const std::vector<Text>& paths);
