// The web requester and the bulletin POST through the real WinInet, against the
// stand-in server on loopback (its port in QUIZ_STAND_IN_PORT).

#include "http/web_requester_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "http/bulletin_request_win.h"
#include "http/request_parts.h"

namespace {

Text standIn(const Text& path) {
  const char* port = std::getenv("QUIZ_STAND_IN_PORT");
  return Text("http://127.0.0.1:") + (port ? port : "1") + path;
}

// The request as the server received it, from /echo.
Text echoed(WebExchange& exchange) { return textOf(requestBytes(exchange)); }

TEST(WebRequesterTest, PostSendsTheComposedHeaderBlockAndBody) {
  WebExchange exchange;
  exchange.url = standIn("/echo?Q=AbC");
  exchange.method = 1;
  exchange.body = "a=1&b=2";
  Text request = echoed(exchange);
  const Text block = "Referer: " + exchange.url +
                     "\r\nAccept: */*\r\nAccept-Language: zh-cn"
                     "\r\nContent-Type: application/x-www-form-urlencoded";
  EXPECT_EQ(exchange.headers, block);
  EXPECT_EQ(request.substr(0, request.find("\r\n")), "POST /echo?Q=AbC HTTP/1.1");
  EXPECT_NE(request.find(block), Text::npos) << request;
  EXPECT_NE(request.find(Text("User-Agent: ") + kDefaultAgent + "\r\n"), Text::npos) << request;
  EXPECT_TRUE(request.ends_with("\r\n\r\na=1&b=2")) << request;
  EXPECT_EQ(textOf(exchange.bodyBytes), "a=1&b=2");
}

TEST(WebRequesterTest, GetSendsNoBodyButStillTheContentType) {
  WebExchange exchange;
  exchange.url = standIn("/echo");
  exchange.body = "ignored";
  Text request = echoed(exchange);
  EXPECT_EQ(request.substr(0, request.find("\r\n")), "GET /echo HTTP/1.1");
  EXPECT_TRUE(request.ends_with("\r\n\r\n")) << request;
  EXPECT_NE(exchange.headers.find("Content-Type: application/x-www-form-urlencoded"), Text::npos);
}

TEST(WebRequesterTest, BodyBytesWinOverBody) {
  WebExchange exchange;
  exchange.url = standIn("/echo");
  exchange.method = 1;
  exchange.body = "text";
  exchange.bodyBytes = bytesOf("bytes");
  EXPECT_TRUE(echoed(exchange).ends_with("\r\n\r\nbytes"));
}

TEST(WebRequesterTest, CallerAgentAndCookiesAreSent) {
  WebExchange exchange;
  exchange.url = standIn("/echo");
  exchange.headers = "user-agent: Probe/1.0";
  exchange.cookies = "s=1";
  Text request = echoed(exchange);
  // The caller's line names the agent, and no default agent is sent beside it.
  EXPECT_NE(request.find("user-agent: Probe/1.0\r\n"), Text::npos) << request;
  EXPECT_EQ(request.find(kDefaultAgent), Text::npos) << request;
  EXPECT_NE(request.find("Cookie: s=1\r\n"), Text::npos) << request;
}

TEST(WebRequesterTest, CookiesFromTheResponseAreMerged) {
  WebExchange exchange;
  exchange.url = standIn("/cookies");
  exchange.cookies = "x=9; a=0";
  EXPECT_EQ(textOf(requestBytes(exchange)), "ok");
  EXPECT_EQ(exchange.newCookies, "a=1;b=2");
  EXPECT_EQ(exchange.cookies, "a=1; b=2; x=9");
  EXPECT_EQ(exchange.location, exchange.rawHeaders);
  EXPECT_TRUE(exchange.rawHeaders.starts_with("HTTP/1.1 200 OK\r\n")) << exchange.rawHeaders;
}

TEST(WebRequesterTest, ContentLocationSetsTheLocation) {
  WebExchange exchange;
  exchange.url = standIn("/content-location");
  requestBytes(exchange);
  EXPECT_EQ(exchange.location, "/elsewhere");
}

TEST(WebRequesterTest, HeaderBlockTooLargeLeavesSpaces) {
  WebExchange exchange;
  exchange.url = standIn("/big-headers");
  requestBytes(exchange);
  EXPECT_EQ(exchange.rawHeaders, Text(5000, ' '));
  EXPECT_EQ(exchange.location, Text(5000, ' '));
  EXPECT_EQ(exchange.newCookies, "");
}

TEST(WebRequesterTest, RedirectsFollowedUnlessSwitchedOff) {
  WebExchange followed;
  followed.url = standIn("/redirect");
  EXPECT_TRUE(echoed(followed).starts_with("GET /echo?redirected HTTP/1.1"));
  WebExchange kept;
  kept.url = standIn("/redirect");
  kept.noRedirect = true;
  EXPECT_EQ(textOf(requestBytes(kept)), "moved");
  EXPECT_EQ(kept.location, "/echo?redirected");
}

TEST(WebRequesterTest, ErrorPagesAndCutBodiesAreReturned) {
  WebExchange missing;
  missing.url = standIn("/404");
  EXPECT_EQ(textOf(requestBytes(missing)), "not here");
  WebExchange cut;
  cut.url = standIn("/cut");
  EXPECT_EQ(textOf(requestBytes(cut)), "0123456789");
}

TEST(WebRequesterTest, FailedConnectionLeavesOutputsAlone) {
  WebExchange exchange;
  exchange.url = "http:///nowhere";
  exchange.headers = "A: b";
  exchange.cookies = "c=d";
  exchange.location = "before";
  EXPECT_TRUE(requestBytes(exchange).empty());
  EXPECT_EQ(exchange.headers, "A: b");
  EXPECT_EQ(exchange.cookies, "c=d");
  EXPECT_EQ(exchange.location, "before");
}

TEST(WebRequesterTest, TextIsConvertedFromUtf8) {
  WebExchange chinese;
  chinese.url = standIn("/chinese");
  EXPECT_EQ(requestText(chinese), "中文内容");
  WebExchange emoji;
  emoji.url = standIn("/emoji");
  EXPECT_EQ(requestText(emoji), "a??b");
}

TEST(WebRequesterTest, SlowAnswerIsWaitedForWithinABound) {
  Bytes body;
  std::thread worker([&] {
    WebExchange exchange;
    exchange.url = standIn("/slow");
    body = requestBytes(exchange);
  });
  // The stand-in answers after three seconds; CTest's time limit bounds a hang.
  worker.join();
  EXPECT_EQ(textOf(body), "late");
}

struct PostCase {
  const char* path;
  Text expected;
};

TEST(PostTextTest, BodyConvertedAllOrNothingAndNoRedirect) {
  const PostCase cases[] = {
      {"/chinese", "中文内容"}, {"/emoji", ""},         {"/invalid-utf8", ""},
      {"/gbk-only", ""},       {"/nul", "ab"},         {"/404", "not here"},
      {"/500", "broken"},      {"/redirect", "moved"}, {"/cut", "0123456789"},
  };
  for (const PostCase& c : cases) EXPECT_EQ(postText(standIn(c.path), {}), c.expected) << c.path;
}

TEST(PostTextTest, SendsItsFixedRequest) {
  Text request = postText(standIn("/echo?Kind=Bulletin"), bytesOf("q=1"));
  EXPECT_EQ(request.substr(0, request.find("\r\n")), "POST /echo?Kind=Bulletin HTTP/1.1");
  EXPECT_NE(request.find("Accept: */*\r\nContent-Type: application/x-www-form-urlencoded\r\n"),
            Text::npos)
      << request;
  EXPECT_NE(request.find("User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n"),
            Text::npos)
      << request;
  EXPECT_TRUE(request.ends_with("\r\n\r\nq=1")) << request;
}

TEST(PostTextTest, NothingListeningGivesEmptyText) {
  EXPECT_EQ(postText("http://127.0.0.1:1/", {}), "");
}

}  // namespace
