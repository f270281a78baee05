#pragma once
// Which addresses a link may open: only web pages. The system's default handler would
// also start programs, open local files and follow network paths, so a forged bulletin
// could otherwise make a click run anything.

#include <string_view>

#include "base/text_rules.h"

// True for an http:// or https:// address (the scheme compared without case).
inline bool isWebAddress(std::string_view address) {
  Text lower = toLowerAscii(address.substr(0, 8));
  return lower.starts_with("http://") || lower.starts_with("https://");
}
