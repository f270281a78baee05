#pragma once
// The result listing: each matching line with the lines that follow it.

#include <string_view>

#include "base/text.h"
#include "search/line_search.h"

inline constexpr char kListingHeading[] = "相关内容如下：";
inline constexpr char kBlockEnd[] = "\r\n---------------华丽的分割线------------------";
inline constexpr char kNoMatchText[] = "未能匹配到您的选择文本！";

// The heading, then for each match a block of displayLines lines (the matching line
// and those after it, empty past the bank's end) closed by the divider; the no-match
// text when there is no match. A count below 1 shows the matching line alone. A line
// longer than maxLineBytes is cut there, on a character start.
Text composeListing(const Bank& bank, const MatchList& matches, int displayLines,
                    std::size_t maxLineBytes = std::string_view::npos);

// The longest line the results box is given: an edit box lays out a line of megabytes
// so slowly that the tool would stop answering.
inline constexpr std::size_t kLongestShownLine = 64 * 1024;
