#pragma once
// The one application-wide state record. It lives from start-up to the release step.

#include <windows.h>

#include <array>
#include <cstdint>

#include "base/handles_win.h"
#include "base/text.h"

using MatchList = std::array<std::int32_t, 20>;

struct AppState {
  Text bankText;
  UniqueFile bankFile;
  MatchList matchList{};
  Text resultText;
  std::int32_t followIndex = 0;
  Text clipText;
  Text accessToken;
};

// Runs the release step once at process end, whichever way the process ends.
AppState& createAppState();
AppState& appState();
