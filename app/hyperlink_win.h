#pragma once
// A hyperlink box: shows its caption as a link and, when clicked, opens its address with
// the system's default handler if it is a web address (http:// or https://).

#include <windows.h>

#include "app/controls_win.h"
#include "base/text.h"

HWND createHyperlink(HWND parent, int id, const Place& place, bool visible, const Text& caption);
void setHyperlinkAddress(HWND link, const Text& address);
Text hyperlinkAddress(HWND link);
