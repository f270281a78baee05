#pragma once
// The result listing: each matching line with the lines that follow it.

#include "base/text.h"
#include "search/line_search.h"

inline constexpr char kListingHeading[] = "相关内容如下：";
inline constexpr char kBlockEnd[] = "\r\n---------------华丽的分割线------------------";
inline constexpr char kNoMatchText[] = "未能匹配到您的选择文本！";

// The heading, then for each match a block of displayLines lines (the matching line
// and those after it, empty past the bank's end) closed by the divider; the no-match
// text when there is no match. A count below 1 shows the matching line alone.
Text composeListing(const Bank& bank, const MatchList& matches, int displayLines);
