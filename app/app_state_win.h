#pragma once
// The one application-wide state record. It lives from start-up to the release step.

#include <windows.h>

#include <cstdint>

#include "base/handles_win.h"
#include "base/text.h"
#include "bulletin/bulletin.h"
#include "search/bank_lines.h"
#include "search/line_search.h"
#include "skin/memory_module_win.h"

struct AppState {
  Bank bank;  // bankText and the line index made from it
  UniqueFile bankFile;
  MatchList matchList{};
  Text resultText;
  std::int32_t followIndex = 0;
  Text clipText;
  Text accessToken;
  // What the skin library was given when it was attached; nothing reads it.
  struct SkinAttachment {
    Bytes resource;
    std::int32_t hue = 0, saturation = 0, brightness = 0;
  } skinAttachment;
  MemoryModule skinModule;
  // The capture overlay's drag state and the two corners of the rubber band.
  std::int32_t dragging = 0, pressX = 0, pressY = 0, moveX = 0, moveY = 0;
  Text bulletinUrl;
  Text bulletinText;
  Bulletin bulletin;
};

// Creates the state and registers the release step, which runs once at process end
// whichever way the process ends.
AppState& createAppState();
