#pragma once
// Re-encoding a picture held as file bytes with one of GDI+'s encoders, in memory.

#include <windows.h>

#include "base/text.h"

// Decodes the picture and encodes it by format number (1 BMP, 2 JPEG, 3 GIF, 4 TIFF,
// 5 PNG); with flattenFirst it first goes through a GDI bitmap on white. On success the
// exact encoded bytes replace output (and are also written to savePath when that is not
// blank) and the result is true; otherwise output is untouched. Inputs under 3 bytes
// are refused without starting GDI+.
bool convertPicture(const Bytes& input, int formatNumber, const Text& savePath, Bytes& output,
                    bool flattenFirst = false);

// The CLSID of its text form; all zero when the text is none.
CLSID clsidFromText(const Text& text);
