#pragma once
// The cookie jar as one line of text: items "name=value" separated by "; ".

#include <string_view>
#include <vector>

#include "base/text.h"

// The item's trimmed name: the part before its first "=", or the whole item.
Text cookieName(std::string_view item);

// True when some item's name equals name exactly.
bool hasCookieNamed(const std::vector<Text>& items, std::string_view name);

// Merges the cookies a response set into the jar: the fresh items first, then the jar
// items whose names the fresh items lack (first of a name wins), without items that
// end in "=deleted". Both arguments lose their spaces; the jar receives the result.
Text mergeCookies(Text& jar, Text& fresh);
