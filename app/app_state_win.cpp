#include "app/app_state_win.h"

#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<AppState> state;

void releaseAppState() { state.reset(); }

}  // namespace

AppState& createAppState() {
  state = std::make_unique<AppState>();
  std::atexit(releaseAppState);
  return *state;
}
