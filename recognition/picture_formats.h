#pragma once
// The five encoders the picture converter offers, by format number.

#include <string_view>

#include "base/text.h"

struct PictureEncoder {
  const char* clsidText;  // GDI+'s encoder class, as CLSIDFromString reads it
  const char* extension;
};

// 1 BMP, 2 JPEG, 3 GIF, 4 TIFF, 5 PNG; any other number has empty texts.
PictureEncoder encoderOf(int formatNumber);

// The file a conversion is saved to: savePath when it already ends in the extension
// (compared in lower case), else savePath followed by it.
Text saveFileName(std::string_view savePath, std::string_view extension);
