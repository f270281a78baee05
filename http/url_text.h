#pragma once
// Taking URLs and header lines apart for the web requester.

#include <string_view>

#include "base/text.h"

// The text strictly between the first left marker found from start and the first right
// marker after it; empty when either is missing. In both markers "#引号" stands for a
// double quote. Letter case is ignored unless caseSensitive.
Text textBetween(std::string_view text, std::string_view left, std::string_view right,
                 int start = 1, bool caseSensitive = false);

// The trimmed text after the first ":"; empty when there is none.
Text valueAfterColon(std::string_view text);

// The URL's authority in lower case, without the port unless keepPort. A URL without
// "https://" is taken as "http://".
Text hostOf(std::string_view url, bool keepPort = false);
// The port: the number after the authority's last ":", else 443 for https and 80.
int portOf(std::string_view url);
// The object path with query, in the URL's own case; "/" when there is none.
Text pathOf(std::string_view url);
