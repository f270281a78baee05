#pragma once
// The recognition service's access token, by the client-credentials grant.

#include <windows.h>

#include "base/text.h"

// The token the service hands out; empty when none was read. Blocks for one exchange;
// builds its JSON document on the calling thread.
Text fetchAccessToken();

// Fetches the token on a thread of its own and posts it to the window as the message
// (lParam: a new Text the receiver takes over). Nothing is posted if the window is gone.
void startTokenFetch(HWND window, UINT message);
