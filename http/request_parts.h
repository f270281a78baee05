#pragma once
// What the web requester composes before a request and reads out of a response; the
// WinInet calls themselves are in web_requester_win.

#include <cstdint>
#include <string_view>

#include "base/text.h"

inline constexpr char kDefaultAgent[] =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; Vorn; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

// WinInet's request flags, by value.
inline constexpr std::uint32_t kFlagReload = 0x80000000;
inline constexpr std::uint32_t kFlagNeedFile = 0x10;
inline constexpr std::uint32_t kFlagNoCookies = 0x80000;
inline constexpr std::uint32_t kFlagNoAutoRedirect = 0x200000;
inline constexpr std::uint32_t kFlagSecure = 0x800000;
inline constexpr std::uint32_t kFlagIgnoreRedirectToHttps = 0x4000;

// True when the first five characters, lower-cased, are "https".
bool isHttpsUrl(std::string_view url);

// The agent string: the caller's User-Agent line (found ignoring case), else the default.
Text agentFor(std::string_view headers);

// Flags of the web requester's requests.
std::uint32_t requestFlags(std::string_view url, bool noRedirect);

// The header block sent: the caller's lines, then each default line whose marker the
// caller's lines lack, then the cookies.
Text composeHeaderBlock(std::string_view headers, std::string_view url, std::string_view cookies);

struct ResponseHeaders {
  Text location;    // the last Location: value, or the whole raw block when there is none
  Text newCookies;  // the cookies the response set, "; " between them
};

// Reads the redirect target and the cookies out of the raw response headers.
ResponseHeaders scanRawHeaders(std::string_view rawHeaders);
