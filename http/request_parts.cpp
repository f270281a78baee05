#include "http/request_parts.h"

#include "base/text_rules.h"
#include "http/url_text.h"

bool isHttpsUrl(std::string_view url) { return toLowerAscii(url.substr(0, 5)) == "https"; }

Text agentFor(std::string_view headers) {
  constexpr std::string_view kMarker = "User-Agent:";
  int found = findText(headers, kMarker, 1, true);
  if (found < 0) return kDefaultAgent;
  std::string_view rest = headers.substr(found - 1 + kMarker.size());
  int lineEnd = findText(rest, "\r\n");
  Text agent = trimSpaces(lineEnd < 0 ? rest : rest.substr(0, lineEnd - 1));
  return agent.empty() ? valueAfterColon(headers) : agent;
}

std::uint32_t requestFlags(std::string_view url, bool noRedirect) {
  std::uint32_t flags = kFlagReload | kFlagNeedFile | kFlagNoCookies;
  if (noRedirect) flags |= kFlagNoAutoRedirect;
  flags |= isHttpsUrl(url) ? kFlagSecure : kFlagIgnoreRedirectToHttps;
  return flags;
}

Text composeHeaderBlock(std::string_view headers, std::string_view url, std::string_view cookies) {
  Text block(headers);
  auto lacks = [&](std::string_view marker) { return findText(headers, marker) < 0; };
  if (lacks("Referer:")) block.append(headers.empty() ? "" : "\r\n").append("Referer: ").append(url);
  if (lacks("Accept:")) block.append("\r\nAccept: */*");
  if (lacks("Accept-Language:")) block.append("\r\nAccept-Language: zh-cn");
  if (lacks("Content-Type:")) block.append("\r\nContent-Type: application/x-www-form-urlencoded");
  if (!cookies.empty()) block.append("\r\nCookie: ").append(cookies);
  return block;
}

ResponseHeaders scanRawHeaders(std::string_view rawHeaders) {
  ResponseHeaders found;
  for (const Text& line : splitText(rawHeaders, "\r\n")) {
    if (findText(line, "Location:") > 0) found.location = valueAfterColon(line);
    if (findText(line, "Set-Cookie") > 0) {
      found.newCookies.append(trimSpaces(textBetween(line, "Set-Cookie:", ";"))).append("; ");
    }
  }
  if (found.newCookies.size() >= 2) found.newCookies.resize(found.newCookies.size() - 2);
  if (found.location.empty()) found.location = rawHeaders;
  return found;
}
