#pragma once
// Which mouse-button changes send the copy keystroke: all but the left button going down,
// so that a drag-select is copied when the button comes up.

inline bool sendsCopyKeystroke(int code, int state) { return !(code == 256 && state > 0); }
