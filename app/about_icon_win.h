#pragma once
// The tool's icon picture: the character 答 in blue, 64 x 64, transparent around it.

#include "base/text.h"

// Bitmap file bytes, 32 bits per pixel with premultiplied alpha.
Bytes aboutIconPicture();
