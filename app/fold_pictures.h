#pragma once
// The fold bar's two pictures: a light chevron on a dark ground, 100 x 10 pixels.

#include "base/text.h"

inline constexpr int kFoldPictureWidth = 100;
inline constexpr int kFoldPictureHeight = 10;

// Bitmap file bytes of the chevron pointing up (fold) or down (unfold).
Bytes foldPicture(bool pointingUp);
