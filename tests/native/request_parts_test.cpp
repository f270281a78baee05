#include "http/request_parts.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

constexpr char kUrl[] = "http://127.0.0.1:8080/p";
const Text kDefaults =
    "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";

struct HeaderCase {
  const char* name;
  Text headers, cookies, block;
};

class HeaderBlockTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderBlockTest, AppendsDefaultsWhoseMarkersAreMissing) {
  const HeaderCase& c = GetParam();
  EXPECT_EQ(composeHeaderBlock(c.headers, kUrl, c.cookies), c.block);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HeaderBlockTest,
    testing::Values(
        HeaderCase{"Empty", "", "", Text("Referer: ") + kUrl + kDefaults},
        HeaderCase{"ContentTypeWithoutSpace", "Content-Type:application/x-www-form-urlencoded", "",
                   Text("Content-Type:application/x-www-form-urlencoded\r\nReferer: ") + kUrl +
                       "\r\nAccept: */*\r\nAccept-Language: zh-cn"},
        HeaderCase{"LowerCaseContentTypeNotSeen", "content-type: text/plain", "",
                   Text("content-type: text/plain\r\nReferer: ") + kUrl + kDefaults},
        HeaderCase{"CallerReferer", "Referer: x", "", Text("Referer: x") + kDefaults},
        HeaderCase{"Cookies", "", "a=1; b=2",
                   Text("Referer: ") + kUrl + kDefaults + "\r\nCookie: a=1; b=2"},
        HeaderCase{"CookieAlwaysAppended", "Cookie: x=1", "a=1",
                   Text("Cookie: x=1\r\nReferer: ") + kUrl + kDefaults + "\r\nCookie: a=1"}),
    caseName);

TEST(AgentTest, CallerLineFoundIgnoringCase) {
  EXPECT_EQ(agentFor(""), kDefaultAgent);
  EXPECT_EQ(agentFor("Accept: x"), kDefaultAgent);
  EXPECT_EQ(agentFor("user-agent: Mine/1.0 \r\nAccept: x"), "Mine/1.0");
  EXPECT_EQ(agentFor("Accept: x\r\nUser-Agent: Last/2"), "Last/2");
  // An empty value falls back to the first value of the whole block.
  EXPECT_EQ(agentFor("Accept: x\r\nUser-Agent: \r\n"), "x\r\nUser-Agent: \r\n");
}

TEST(RequestFlagsTest, SchemeAndRedirectChoice) {
  EXPECT_EQ(requestFlags("http://a/", false), 0x80000000u | 0x10 | 0x80000 | 0x4000);
  EXPECT_EQ(requestFlags("HTTPS://a/", false), 0x80000000u | 0x10 | 0x80000 | 0x800000);
  EXPECT_EQ(requestFlags("https://a/", true), 0x80000000u | 0x10 | 0x80000 | 0x800000 | 0x200000);
}

struct RawHeaderCase {
  const char* name;
  Text raw, location, newCookies;
};

class RawHeaderScanTest : public testing::TestWithParam<RawHeaderCase> {};

TEST_P(RawHeaderScanTest, FindsLocationAndCookies) {
  const RawHeaderCase& c = GetParam();
  ResponseHeaders found = scanRawHeaders(c.raw);
  EXPECT_EQ(found.location, c.location);
  EXPECT_EQ(found.newCookies, c.newCookies);
}

const Text kTwoCookies =
    "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; Path=/\r\nSet-Cookie: b=2; HttpOnly\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, RawHeaderScanTest,
    testing::Values(
        RawHeaderCase{"NoLocation", "HTTP/1.1 200 OK\r\nA: b\r\n\r\n",
                      "HTTP/1.1 200 OK\r\nA: b\r\n\r\n", ""},
        RawHeaderCase{"Location", "HTTP/1.1 302 Found\r\nLocation: http://x/y\r\n\r\n",
                      "http://x/y", ""},
        RawHeaderCase{"ContentLocationCounts", "HTTP/1.1 200 OK\r\nContent-Location: /c\r\n\r\n",
                      "/c", ""},
        RawHeaderCase{"LastLocationWins",
                      "HTTP/1.1 302 Found\r\nLocation: /1\r\nLocation: /2\r\n\r\n", "/2", ""},
        RawHeaderCase{"LowerCaseNamesNotSeen",
                      "HTTP/1.1 200 OK\r\nlocation: /x\r\nset-cookie: a=1;\r\n\r\n",
                      "HTTP/1.1 200 OK\r\nlocation: /x\r\nset-cookie: a=1;\r\n\r\n", ""},
        RawHeaderCase{"TwoCookies", kTwoCookies, kTwoCookies, "a=1; b=2"},
        RawHeaderCase{"CookieWithoutSemicolonIsEmpty",
                      "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\n\r\n",
                      "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\n\r\n", ""}),
    caseName);

}  // namespace
