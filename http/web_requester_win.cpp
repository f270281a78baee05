#include "http/web_requester_win.h"

#include "base/code_pages.h"
#include "http/cookies.h"
#include "http/internet_handle_win.h"
#include "http/request_parts.h"
#include "http/url_text.h"

namespace {

constexpr DWORD kRawHeaderBufferSize = 5000;

InternetHandle openInternet(const WebExchange& exchange) {
  Text agent = agentFor(exchange.headers);
  if (exchange.proxy.empty()) {
    return InternetHandle(InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, "", "", 0));
  }
  Text proxyList = "http=" + exchange.proxy;
  return InternetHandle(
      InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PROXY, proxyList.c_str(), "", 0));
}

// The raw headers up to their first NUL; 5000 spaces when they do not fit.
Text rawHeadersOf(HINTERNET request) {
  Text buffer(kRawHeaderBufferSize, ' ');
  DWORD length = kRawHeaderBufferSize;
  HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &length, nullptr);
  std::size_t nul = buffer.find('\0');
  if (nul != Text::npos) buffer.resize(nul);
  return buffer;
}

}  // namespace

Bytes requestBytes(WebExchange& exchange) {
  const char* verb = exchange.method == 1 ? "POST" : "GET";
  InternetHandle internet = openInternet(exchange);
  if (!internet) return {};
  Text host = hostOf(exchange.url);
  InternetHandle connection(InternetConnectA(internet.get(), host.c_str(),
                                             static_cast<INTERNET_PORT>(portOf(exchange.url)), "",
                                             "", INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return {};
  Text path = pathOf(exchange.url);
  InternetHandle request(HttpOpenRequestA(connection.get(), verb, path.c_str(), "HTTP/1.1",
                                          nullptr, nullptr,
                                          requestFlags(exchange.url, exchange.noRedirect), 0));
  if (!request) return {};

  exchange.headers = composeHeaderBlock(exchange.headers, exchange.url, exchange.cookies);
  if (exchange.method != 0 && exchange.bodyBytes.empty()) exchange.bodyBytes = bytesOf(exchange.body);
  const bool withBody = exchange.method != 0 && !exchange.bodyBytes.empty();
  HttpSendRequestA(request.get(), exchange.headers.c_str(),
                   static_cast<DWORD>(exchange.headers.size()),
                   withBody ? exchange.bodyBytes.data() : nullptr,
                   withBody ? static_cast<DWORD>(exchange.bodyBytes.size()) : 0);
  Bytes body = readWholeBody(request.get());
  exchange.rawHeaders = rawHeadersOf(request.get());
  request.reset();
  connection.reset();
  internet.reset();

  ResponseHeaders response = scanRawHeaders(exchange.rawHeaders);
  exchange.location = response.location;
  exchange.newCookies = response.newCookies;
  mergeCookies(exchange.cookies, exchange.newCookies);
  return body;
}

Text requestText(WebExchange& exchange) { return utf8ToAnsi(requestBytes(exchange)); }

Text utf8ToAnsi(const Bytes& utf8) {
  return utf8ToGbk(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}
