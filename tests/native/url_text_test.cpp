#include "http/url_text.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

struct UrlCase {
  const char* name;
  Text url;
  Text host, hostWithPort;
  int port;
  Text path;
};

class UrlTextTest : public testing::TestWithParam<UrlCase> {};

TEST_P(UrlTextTest, SplitsHostPortAndPath) {
  const UrlCase& c = GetParam();
  EXPECT_EQ(hostOf(c.url), c.host);
  EXPECT_EQ(hostOf(c.url, true), c.hostWithPort);
  EXPECT_EQ(portOf(c.url), c.port);
  EXPECT_EQ(pathOf(c.url), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UrlTextTest,
    testing::Values(
        UrlCase{"HttpsWithPortAndQuery", "https://Api.Example.COM:8443/A/b?x=1", "api.example.com",
                "api.example.com:8443", 8443, "/A/b?x=1"},
        UrlCase{"HttpsHostOnly", "https://example.com", "example.com", "example.com", 443, "/"},
        UrlCase{"NoScheme", "Example.com/x", "example.com", "example.com", 80, "/x"},
        UrlCase{"Http", "http://127.0.0.1:8080/rest/2.0/ocr", "127.0.0.1", "127.0.0.1:8080", 8080,
                "/rest/2.0/ocr"},
        UrlCase{"CapitalScheme", "HTTPS://a.com/p", "a.com", "a.com", 443, "/p"},
        UrlCase{"InnerHttpTakesNoPrefix", "go?u=http://inner.net/p", "inner.net", "inner.net", 80,
                "/p"},
        UrlCase{"PortNotANumber", "http://a.com:xy/", "a.com", "a.com:xy", 0, "/"},
        UrlCase{"TrailingSlash", "http://a.com/", "a.com", "a.com", 80, "/"}),
    caseName);

struct BetweenCase {
  const char* name;
  Text text, left, right;
  int start;
  bool caseSensitive;
  Text expected;
};

class TextBetweenTest : public testing::TestWithParam<BetweenCase> {};

TEST_P(TextBetweenTest, CutsBetweenMarkers) {
  const BetweenCase& c = GetParam();
  EXPECT_EQ(textBetween(c.text, c.left, c.right, c.start, c.caseSensitive), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextBetweenTest,
    testing::Values(
        BetweenCase{"Plain", "a<b>c</b>d", "<b>", "</b>", 1, false, "c"},
        BetweenCase{"Empty", "<b></b>", "<b>", "</b>", 1, false, ""},
        BetweenCase{"NoLeft", "abc", "<b>", "</b>", 1, false, ""},
        BetweenCase{"NoRightAfterLeft", "</b><b>c", "<b>", "</b>", 1, false, ""},
        BetweenCase{"FirstPairOnly", "<b>1</b><b>2</b>", "<b>", "</b>", 1, false, "1"},
        BetweenCase{"FromStart", "<b>1</b><b>2</b>", "<b>", "</b>", 2, false, "2"},
        BetweenCase{"IgnoresCase", "X<B>v</b>", "<b>", "</B>", 1, false, "v"},
        BetweenCase{"CaseSensitive", "X<B>v</b><b>w</b>", "<b>", "</b>", 1, true, "w"},
        BetweenCase{"QuotePlaceholder", "{\"words\":\"abc\"}", "\"words\":#引号", "#引号", 1,
                    false, "abc"},
        BetweenCase{"ChineseMarkers", "x<公告开始>通知\r\n内容<公告结束>", "<公告开始>",
                    "<公告结束>", 1, false, "通知\r\n内容"}),
    caseName);

TEST(ValueAfterColonTest, TrimmedRestAfterFirstColon) {
  EXPECT_EQ(valueAfterColon("Location: http://a/b "), "http://a/b");
  EXPECT_EQ(valueAfterColon("a:b:c"), "b:c");
  EXPECT_EQ(valueAfterColon("no colon"), "");
  EXPECT_EQ(valueAfterColon("x:\xA1\xA1v\xA1\xA1"), "v");
}

}  // namespace
