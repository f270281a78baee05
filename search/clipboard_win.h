#pragma once
// The system clipboard's text in the ANSI code page (CF_TEXT).

#include "base/text.h"

// The clipboard's text; empty when it holds none or cannot be opened.
Text clipboardText();
// Puts the text on the clipboard, replacing what was there; false when it is busy.
bool setClipboardText(const Text& text);
// Empties the clipboard; false when it is busy.
bool emptyClipboard();
