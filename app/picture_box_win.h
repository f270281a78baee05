#pragma once
// A picture box: holds the bytes of an image file, shows the picture centred on its
// background colour, and reports a double-click to its parent as STN_DBLCLK.

#include <windows.h>

#include "app/controls_win.h"
#include "base/text.h"

HWND createPictureBox(HWND parent, int id, const Place& place, bool visible, COLORREF background);

// Shows the picture of a bitmap file; the bytes are kept and read back unchanged.
void setPicture(HWND box, const Bytes& fileBytes);
// The bytes, from any thread of the process: they are copied on the box's thread.
Bytes pictureBytes(HWND box);
