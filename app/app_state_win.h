#pragma once
// The one application-wide state record. It lives from start-up to the release step.

#include <windows.h>

#include <cstdint>

#include "base/handles_win.h"
#include "base/text.h"
#include "search/bank_lines.h"
#include "search/line_search.h"

struct AppState {
  Bank bank;  // bankText and the line index made from it
  UniqueFile bankFile;
  MatchList matchList{};
  Text resultText;
  std::int32_t followIndex = 0;
  Text clipText;
  Text accessToken;
  std::int32_t dragging = 0, pressX = 0, pressY = 0, moveX = 0, moveY = 0;
};

// Creates the state and registers the release step, which runs once at process end
// whichever way the process ends.
AppState& createAppState();
