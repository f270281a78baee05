#pragma once
// The skin library the tool carries, mapped from memory, and the skin attached with it.

#include "app/app_state_win.h"

// Maps the carried skin library into the state's skin module; a failure leaves it empty.
void loadSkinModule(AppState& state);
// Calls the library's SkinH_AttachRes with the carried skin file; nothing is called when
// the module is not mapped or lacks the export.
void attachSkin(AppState& state);
