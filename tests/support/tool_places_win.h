#pragma once
// The main window's controls by their places, as end-to-end tests name them.

#include "tests/driver/tool_driver_win.h"

inline constexpr ClientPlace k编辑框2{2, 1, 358, 223};
inline constexpr ClientPlace k编辑框1{2, 229, 358, 51};
inline constexpr ClientPlace k图片框_伸展{3, 281, 360, 12};
inline constexpr ClientPlace k透明标签1{9, 299, 61, 24};
inline constexpr ClientPlace k编辑框3{77, 299, 22, 16};
inline constexpr ClientPlace k关于软件{125, 300, 64, 24};
inline constexpr ClientPlace k检索方式{206, 300, 58, 24};
inline constexpr ClientPlace k按钮_截图{282, 300, 58, 24};
inline constexpr ClientPlace k公告{5, 356, 237, 24};
inline constexpr ClientPlace k广告超级链接框{245, 356, 112, 24};
inline constexpr ClientPlace k图片框_图片数据{32, 144, 56, 32};
inline constexpr ClientPlace k编辑框_识别结果{133, 181, 75, 27};
