#pragma once
// One complete HTTP exchange per call over WinInet.

#include "base/text.h"

// The arguments of one exchange. Only url is required; the others start at their
// defaults. In/out and out fields are written only when the exchange gets as far as
// sending the request.
struct WebExchange {
  Text url;
  int method = 0;  // 1 is POST, anything else GET; a body is sent when it is not 0
  Text body;       // sent when bodyBytes is empty
  Text cookies;    // in: cookies to send; out: merged with those the response set
  Text newCookies;  // out: only the cookies this response set
  Text headers;     // in: extra lines; out: the whole block sent
  Text location;    // out: the Location: value, or the raw header block
  bool noRedirect = false;
  Bytes bodyBytes;  // in/out: the body sent
  Text proxy;       // empty: a direct connection
  Text rawHeaders;  // out: the response headers as WinInet gives them
};

// The response body; empty when the exchange fails before the request is sent.
Bytes requestBytes(WebExchange& exchange);
// The response body converted from UTF-8 to code page 936.
Text requestText(WebExchange& exchange);

// UTF-8 bytes as code page 936 text; "?" for what the code page lacks.
Text utf8ToAnsi(const Bytes& utf8);
