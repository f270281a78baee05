#pragma once
// The skin file the tool carries, in a small format of our own, and the colour
// adjustment the skin library applies. Header-only: the skin library, which is built
// without the C runtime, uses it as well as the tool and its tests.
//
// Layout (all offsets in bytes):
//   0   ".SHE"
//   4   format version, 1
//   5   font height in pixels
//   6   two reserved bytes
//   8   eight colours, 3 bytes each (red, green, blue): window, text, edit ground,
//       edit text, button face, button text, link, border
//   32  font face name, GBK, NUL-terminated, at most 32 bytes

#include <cstdint>

namespace skin_format {

inline constexpr int kColourCount = 8;
enum Colour { window, text, editGround, editText, buttonFace, buttonText, link, border };
inline constexpr unsigned kHeaderSize = 32;
inline constexpr unsigned kFaceSize = 32;

struct Rgb {
  int red, green, blue;
};

struct Skin {
  Rgb colours[kColourCount];
  int fontHeight;
  char face[kFaceSize];
};

// Reads a skin file; false when it is not one.
inline bool parseSkin(const unsigned char* data, unsigned length, Skin& skin) {
  if (!data || length < kHeaderSize + 1 || data[0] != '.' || data[1] != 'S' || data[2] != 'H' ||
      data[3] != 'E' || data[4] != 1) {
    return false;
  }
  skin.fontHeight = data[5];
  for (int i = 0; i < kColourCount; ++i) {
    skin.colours[i] = {data[8 + 3 * i], data[9 + 3 * i], data[10 + 3 * i]};
  }
  unsigned n = 0;
  for (; n + 1 < kFaceSize && kHeaderSize + n < length && data[kHeaderSize + n] != 0; ++n) {
    skin.face[n] = static_cast<char>(data[kHeaderSize + n]);
  }
  skin.face[n] = 0;
  return true;
}

inline int clampTo(int value, int low, int high) {
  return value < low ? low : value > high ? high : value;
}

// Turns the hue by hue degrees and scales saturation and brightness by percent
// (-100..100 each); 0, 0, 0 leaves the colour as it is. Integer arithmetic only.
inline Rgb adjust(Rgb colour, int hue, int saturation, int brightness) {
  if (hue == 0 && saturation == 0 && brightness == 0) return colour;
  int r = colour.red, g = colour.green, b = colour.blue;
  int high = r > g ? (r > b ? r : b) : (g > b ? g : b);
  int low = r < g ? (r < b ? r : b) : (g < b ? g : b);
  // Hue in degrees times 10, saturation and value in 0..1000.
  int value = high * 1000 / 255;
  int chroma = high - low;
  int sat = high == 0 ? 0 : chroma * 1000 / high;
  int h = 0;
  if (chroma != 0) {
    if (high == r) h = (600 * (g - b) / chroma + 3600) % 3600;
    else if (high == g) h = 600 * (b - r) / chroma + 1200;
    else h = 600 * (r - g) / chroma + 2400;
  }
  h = ((h + 10 * hue) % 3600 + 3600) % 3600;
  sat = clampTo(sat + sat * clampTo(saturation, -100, 100) / 100, 0, 1000);
  value = clampTo(value + value * clampTo(brightness, -100, 100) / 100, 0, 1000);
  int c = value * sat / 1000;                // chroma, 0..1000
  int sector = h / 600, within = h % 600;    // six sectors of 60 degrees
  int x = c * (sector % 2 == 0 ? within : 600 - within) / 600;
  int m = value - c;
  int rr = 0, gg = 0, bb = 0;
  switch (sector) {
    case 0: rr = c, gg = x; break;
    case 1: rr = x, gg = c; break;
    case 2: gg = c, bb = x; break;
    case 3: gg = x, bb = c; break;
    case 4: rr = x, bb = c; break;
    default: rr = c, bb = x; break;
  }
  return {clampTo((rr + m) * 255 / 1000, 0, 255), clampTo((gg + m) * 255 / 1000, 0, 255),
          clampTo((bb + m) * 255 / 1000, 0, 255)};
}

}  // namespace skin_format
