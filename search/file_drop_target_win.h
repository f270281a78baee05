#pragma once
// An OLE drop target that accepts dropped files and hands over their paths as one text:
// a single path as it is, several paths each followed by CR LF.

#include <windows.h>
#include <ole2.h>

#include <functional>

#include "base/text.h"

using DroppedFilesHandler = std::function<void(const Text& paths)>;

// Registers the window as a drop target (RegisterDragDrop); false when that fails.
bool registerFileDrop(HWND window, DroppedFilesHandler handler);
void revokeFileDrop(HWND window);
