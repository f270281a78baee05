#include "recognition/picture_formats.h"

#include "base/text_rules.h"

PictureEncoder encoderOf(int formatNumber) {
  switch (formatNumber) {
    case 1: return {"{557CF400-1A04-11D3-9A73-0000F81EF32E}", ".bmp"};
    case 2: return {"{557CF401-1A04-11D3-9A73-0000F81EF32E}", ".jpg"};
    case 3: return {"{557CF402-1A04-11D3-9A73-0000F81EF32E}", ".gif"};
    case 4: return {"{557CF405-1A04-11D3-9A73-0000F81EF32E}", ".tiff"};
    case 5: return {"{557CF406-1A04-11D3-9A73-0000F81EF32E}", ".png"};
    default: return {"", ""};
  }
}

Text saveFileName(std::string_view savePath, std::string_view extension) {
  bool hasExtension = savePath.size() >= extension.size() &&
                      toLowerAscii(savePath.substr(savePath.size() - extension.size())) ==
                          toLowerAscii(extension);
  return hasExtension ? Text(savePath) : Text(savePath) + Text(extension);
}
