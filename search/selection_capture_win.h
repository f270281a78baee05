#pragma once
// The copy keystroke sent to whatever window has the keyboard focus.

// Control down, C down, Control up, C up.
void sendCopyKeystroke();
