#pragma once
// The bulletin's own small POST: fixed headers, no redirects, no cookies.

#include "base/text.h"

// The response body converted from UTF-8 to GB2312 (all or nothing); empty when the
// request cannot be made or the body does not convert. The text ends at its first NUL.
Text postText(const Text& url, const Bytes& body);
