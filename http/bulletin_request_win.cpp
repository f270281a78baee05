#include "http/bulletin_request_win.h"

#include "base/code_pages.h"
#include "http/internet_handle_win.h"
#include "http/request_parts.h"
#include "http/url_text.h"

namespace {

constexpr char kAgent[] = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
constexpr DWORD kBulletinTimeoutMs = 5000;
constexpr char kHeaders[] = "Accept: */*\r\nContent-Type: application/x-www-form-urlencoded";

}  // namespace

Text postText(const Text& url, const Bytes& body) {
  const bool https = isHttpsUrl(url);
  InternetHandle internet(InternetOpenA(kAgent, INTERNET_OPEN_TYPE_DIRECT, "", "", 0));
  if (!internet) return {};
  // Start-up waits for the bulletin: an endpoint that does not answer must not hold it
  // for WinInet's default minutes.
  DWORD timeout = kBulletinTimeoutMs;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    InternetSetOptionA(internet.get(), option, &timeout, sizeof timeout);
  }
  Text host = hostOf(url);
  InternetHandle connection(InternetConnectA(internet.get(), host.c_str(),
                                             static_cast<INTERNET_PORT>(portOf(url)), "", "",
                                             INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return {};
  DWORD flags = kFlagReload | kFlagNeedFile | kFlagNoAutoRedirect |
                (https ? kFlagSecure : kFlagIgnoreRedirectToHttps);
  Text path = pathOf(url);
  InternetHandle request(HttpOpenRequestA(connection.get(), "POST", path.c_str(), "HTTP/1.1",
                                          nullptr, nullptr, flags, 0));
  if (!request) return {};
  HttpSendRequestA(request.get(), kHeaders, sizeof kHeaders - 1,
                   body.empty() ? nullptr : const_cast<std::uint8_t*>(body.data()),
                   static_cast<DWORD>(body.size()));
  Bytes response = readWholeBody(request.get());
  request.reset();
  connection.reset();
  internet.reset();
  Text converted =
      utf8ToGb2312(std::string_view(reinterpret_cast<const char*>(response.data()), response.size()));
  return converted.substr(0, converted.find('\0'));
}
