#include "json/json_scripts.h"

#include <gtest/gtest.h>

namespace {

namespace js = json_scripts;

TEST(JsonScriptsTest, JointOfPaths) {
  EXPECT_EQ(js::joined("da", "[0].x"), "da[0].x");
  EXPECT_EQ(js::joined("da", "a.b[2]"), "da.a.b[2]");
  EXPECT_EQ(js::joined("da", ""), "da.");  // incomplete: reads nothing
  EXPECT_EQ(js::dotted("da", ""), "da");
  EXPECT_EQ(js::dotted("da", "[0]"), "da.[0]");
}

TEST(JsonScriptsTest, TemplatesComposeTheirTexts) {
  EXPECT_EQ(js::toText("da"), "JSON.stringify(da)");
  EXPECT_EQ(js::setMember("da", "k", "v", false), "da.k='v'");
  EXPECT_EQ(js::setMember("da", "k", "", true), "da.k= eval({})");
  EXPECT_EQ(js::setMember("da", "k", "[1]", true), "da.k= eval([1])");
  EXPECT_EQ(js::setMemberNumber("da", "n", 110), "da.n=110");
  EXPECT_EQ(js::setMemberNumber("da", "n", 1.5), "da.n=1.5");
  EXPECT_EQ(js::count("da", ""), "get__count(da)");
  EXPECT_EQ(js::count("da", "[1]"), "get__count(da[1])");
  EXPECT_EQ(js::count("da", "words_result"), "get__count(da.words_result)");
  EXPECT_EQ(js::push("da", "v", "", false),
            "if (Object.prototype.toString.call(da) != '[object Array]') { da=new Array();} "
            "da.push('v')");
  EXPECT_EQ(js::push("da", "1", "list", true),
            "if (Object.prototype.toString.call(da.list) != '[object Array]') { da.list=new "
            "Array();} da.list.push(1)");
  EXPECT_EQ(js::stringifyElement("da", -1, "list"), "JSON.stringify(da.list[-1])");
  EXPECT_EQ(js::elementText("da", 2, ""), "da[2]");
  EXPECT_EQ(js::setElement("da", 0, "x", false), "da[0]='x'");
  EXPECT_EQ(js::removeElement("da", 3), "da.splice(3,1)");
  EXPECT_EQ(js::setRoot("da", "x", false), "da='x'");
  EXPECT_EQ(js::hasMember("da", "k"), "da.k !=null");
  EXPECT_EQ(js::memberList("da", ""), "var ary=''; for (var key in da) {ary=ary+ key+','; }");
  EXPECT_EQ(js::isNull("da.k"), "da.k==null");
  EXPECT_EQ(js::typeOf("da.k"), "typeof (da.k)");
  EXPECT_EQ(js::declareEmpty("da"), "var da={}");
  EXPECT_EQ(js::declareArray("da"), "var da=new Array()");
}

TEST(JsonScriptsTest, NumbersWithThirteenSignificantDigits) {
  EXPECT_EQ(numberText(110), "110");
  EXPECT_EQ(numberText(1.5), "1.5");
  EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(numberText(1e21), "1e+21");
}

TEST(JsonScriptsTest, MemberNamesDropThePreludeMembers) {
  EXPECT_EQ(memberNamesOf("a,b,toJSONString,parseJSON,"), (std::vector<Text>{"a", "b"}));
  EXPECT_EQ(memberNamesOf(""), std::vector<Text>{});
  EXPECT_EQ(memberNamesOf("a,,b,"), (std::vector<Text>{"a", "", "b"}));
  EXPECT_EQ(memberNamesOf("mytoJSONString,"), (std::vector<Text>{"my"}));
}

TEST(JsonScriptsTest, ElementPaths) {
  EXPECT_EQ(splitElementPath("list[1]").base, "list");
  EXPECT_EQ(splitElementPath("list[1]").index, 1);
  EXPECT_EQ(splitElementPath("a.b[x]").index, 0);
  EXPECT_EQ(splitElementPath("plain").base, "");
}

TEST(JsonScriptsTest, NestingDepthOutsideStrings) {
  EXPECT_EQ(jsonNestingDepth("{}"), 1u);
  EXPECT_EQ(jsonNestingDepth("[[],[[]]]"), 3u);
  EXPECT_EQ(jsonNestingDepth("\"[[[[\""), 0u);
  EXPECT_EQ(jsonNestingDepth("[\"\\\"[[\"]"), 1u);
  // 0x5C as a second byte is no escape: the string ends at the quote after it.
  EXPECT_EQ(jsonNestingDepth("[\"\x81\x5C\",[[]]]"), 3u);
  EXPECT_EQ(jsonNestingDepth(Text(100000, '[')), 100000u);
}

TEST(JsonScriptsTest, ScriptStringLiteralEscapesWhatWouldEndIt) {
  EXPECT_EQ(scriptStringLiteral(u"a\"b\\c"), u"a\\\"b\\\\c");
  EXPECT_EQ(scriptStringLiteral(u"\r\n\t\x01"), u"\\r\\n\\u0009\\u0001");
  EXPECT_EQ(scriptStringLiteral(u"\u2028\u2029\u4e2d"), u"\\u2028\\u2029\u4e2d");
}

}  // namespace
