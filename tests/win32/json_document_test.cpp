// The JSON document over the real script control under Wine.

#include "json/json_document_win.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Document : testing::Test {
  JsonDocument document;
  bool load(const Text& text) { return document.parse(text); }
};

TEST_F(Document, ReadsTheServiceAnswers) {
  ASSERT_TRUE(load("{\"error_code\":110,\"rate\":1.5,\"words_result_num\":2,"
                   "\"words_result\":[{\"words\":\"第一行\"},{\"words\":\"second \\\"line\\\"\"}]}"));
  EXPECT_EQ(document.getText("error_code"), "110");
  EXPECT_EQ(document.getText("rate"), "1.5");
  EXPECT_EQ(document.getText("words_result[0].words"), "第一行");
  EXPECT_EQ(document.getText("words_result[1].words"), "second \"line\"");
  EXPECT_EQ(document.count("words_result"), 2);
  EXPECT_EQ(document.typeOf("words_result"), kJsonArray);
  EXPECT_EQ(document.typeOf("words_result[0]"), kJsonObject);
  EXPECT_EQ(document.typeOf("error_code"), kJsonNumber);
  EXPECT_EQ(document.typeOf("words_result[0].words"), kJsonString);
}

TEST_F(Document, AbsentMembers) {
  ASSERT_TRUE(load("{\"a\":{}}"));
  EXPECT_EQ(document.getText("missing"), "");
  EXPECT_EQ(document.typeOf("missing"), kJsonAbsent);
  EXPECT_EQ(document.count("missing"), -2);
  EXPECT_FALSE(document.hasMember("missing"));
  EXPECT_TRUE(document.hasMember("a"));
}

TEST_F(Document, CountsOwnMembers) {
  ASSERT_TRUE(load("{\"three\":[1,2,3],\"none\":[],\"two\":{\"x\":1,\"y\":2}}"));
  EXPECT_EQ(document.count("three"), 3);
  EXPECT_EQ(document.count("none"), 0);
  EXPECT_EQ(document.count("two"), 2);
  EXPECT_EQ(document.count(), 3);
}

TEST_F(Document, RootArrayReadWithBrackets) {
  ASSERT_TRUE(load("[\"first\",{\"x\":7}]"));
  EXPECT_EQ(document.getText("[0]"), "first");
  EXPECT_EQ(document.getText("[1].x"), "7");
  EXPECT_EQ(document.getText(""), "");
  EXPECT_EQ(document.toText(), "[\"first\",{\"x\":7}]");
}

TEST_F(Document, ParseResults) {
  EXPECT_FALSE(load(""));
  EXPECT_FALSE(load("null"));
  EXPECT_FALSE(load("{\"a\":"));
  EXPECT_TRUE(load("[]"));
  EXPECT_TRUE(load("0"));
  EXPECT_TRUE(load("false"));
  EXPECT_TRUE(load("\"text\""));
  EXPECT_EQ(document.toText(), "\"text\"");
}

TEST_F(Document, SetMemberWithAQuoteChangesNothing) {
  ASSERT_TRUE(load("{\"a\":\"old\"}"));
  document.setMember("a", "it's");
  EXPECT_EQ(document.getText("a"), "old");
  document.setMember("a", "new");
  EXPECT_EQ(document.getText("a"), "new");
  document.setMember("o", "", true);
  EXPECT_EQ(document.getMemberJson("o"), "{}");
  document.setMemberNumber("n", 2.5);
  EXPECT_EQ(document.getNumber("n"), 2.5);
}

TEST_F(Document, MemberNamesWithoutThePreludeMembers) {
  ASSERT_TRUE(load("{\"a\":1,\"b\":2}"));
  std::vector<Text> names = {"stale"};
  EXPECT_EQ(document.memberNames(names), 2);
  EXPECT_EQ(names, (std::vector<Text>{"a", "b"}));
  ASSERT_TRUE(load("[5,6]"));
  EXPECT_EQ(document.memberNames(names), 2);
  EXPECT_EQ(names, (std::vector<Text>{"0", "1"}));
}

TEST_F(Document, PushOnAnEmptyObjectMakesAnArray) {
  document.push("v");
  EXPECT_EQ(document.toText(), "[\"v\"]");
  document.push("w");
  EXPECT_EQ(document.toText(), "[\"v\",\"w\"]");
}

TEST_F(Document, RemoveAtTakesOneElementOut) {
  ASSERT_TRUE(load("{\"list\":[1,2,3]}"));
  document.removeAt("list[1]");
  EXPECT_EQ(document.getMemberJson("list"), "[1,3]");
  document.removeAt("list");
  EXPECT_EQ(document.getMemberJson("list"), "[1,3]");
}

TEST_F(Document, DocumentsOfPartsAndCopies) {
  ASSERT_TRUE(load("{\"inner\":{\"k\":\"v\"},\"list\":[{\"i\":1},{\"i\":2}]}"));
  std::unique_ptr<JsonDocument> inner = document.getDocument("inner");
  EXPECT_EQ(inner->getText("k"), "v");
  std::unique_ptr<JsonDocument> second = document.getElementDocument(1, "list");
  EXPECT_EQ(second->getText("i"), "2");
  std::unique_ptr<JsonDocument> shared = document.copy();
  shared->setMember("k2", "x");
  EXPECT_EQ(document.getText("k2"), "x");
  inner->setMember("k", "changed");
  EXPECT_EQ(document.getText("inner.k"), "v");
}

TEST_F(Document, ResetAndClear) {
  ASSERT_TRUE(load("{\"a\":1}"));
  document.reset(kJsonArray);
  EXPECT_EQ(document.toText(), "[]");
  document.reset(kJsonObject);
  EXPECT_EQ(document.toText(), "{}");
  document.setRoot("[1]", true);
  EXPECT_EQ(document.toText(), "[1]");
  document.clear();
  EXPECT_EQ(document.toText(), "{}");
}

// Valid texts parse to the same value (read back through toText); invalid ones and
// anything that is code give false.
struct JsonCase {
  Text text;
  bool valid;
  Text value;  // toText of a valid one
};

TEST_F(Document, StrictJsonOnly) {
  const JsonCase cases[] = {
      {"{\"a\":[1,2.5e3,-0.5,true,false,null,\"x\"]}", true,
       "{\"a\":[1,2500,-0.5,true,false,null,\"x\"]}"},
      {" { \"k\" : \"\\u4e2d\\n\\t\\\"\\\\\\/\" } ", true, "{\"k\":\"中\\n\\t\\\"\\\\/\"}"},
      {"\"中文\"", true, "\"中文\""},
      {"[[[[]]]]", true, "[[[[]]]]"},
      {"1E2", true, "100"},
      {"[1,]", false, ""},
      {"{\"a\":1,}", false, ""},
      {"{'a':1}", false, ""},
      {"[01]", false, ""},
      {"/*c*/1", false, ""},
      {"1 // c", false, ""},
      {"abc", false, ""},
      {"[1 2]", false, ""},
      {"\"\\x41\"", false, ""},
      {"NaN", false, ""},
      {"undefined", false, ""},
      {"{\"a\":1}{}", false, ""},
      {"injected=1", false, ""},
      {"(injected=1)", false, ""},
      {"[injected=1]", false, ""},
      {"\"a\"+(injected=1)", false, ""},
      // A string whose text would close the script's own literal: still only a string.
      {"\");injected=1;(\"", true, "\");injected=1;(\""},
      {"\\\");injected=1;//", false, ""},
      {"function(){injected=1}()", false, ""},
      {"new ActiveXObject(\"Scripting.FileSystemObject\")", false, ""},
      {"{\"a\":injected=1}", false, ""},
  };
  for (const JsonCase& c : cases) {
    EXPECT_EQ(load(c.text), c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(document.toText(), c.value) << c.text;
    }
  }
}

TEST_F(Document, NothingInAnAnswerRuns) {
  for (Text text : {Text("injected=1"), Text("\");injected=1;(\""), Text("[injected=1]"),
                    Text("\"\\\");injected=1;//\"")}) {
    load(text);
    // The answer was handed over as a string: no global was created in this engine.
    document.setRoot("typeof injected", true);
    EXPECT_EQ(document.toText(), "\"undefined\"") << text;
  }
}

TEST_F(Document, DeepOrLongInputIsRefusedPromptly) {
  EXPECT_FALSE(load(Text(100000, '[')));
  EXPECT_FALSE(load(Text(600, '[') + Text(600, ']')));
  EXPECT_TRUE(load(Text(400, '[') + Text(400, ']')));
  Text longString = "\"" + Text(2 << 20, 'x') + "\"";
  EXPECT_TRUE(load(longString));
  EXPECT_EQ(document.toText().size(), longString.size());
}

}  // namespace

namespace {

// Run with the script control switched off (QUIZ_NO_SCRIPT_ENGINE=1, see the build).
TEST(EngineMissingTest, EveryOperationGivesItsEmptyAnswer) {
  if (!std::getenv("QUIZ_NO_SCRIPT_ENGINE")) GTEST_SKIP() << "the script control is there";
  JsonDocument document;
  EXPECT_FALSE(document.parse("{\"a\":1}"));
  EXPECT_EQ(document.getText("a"), "");
  EXPECT_EQ(document.count("a"), 0);
  EXPECT_EQ(document.toText(), "");
  EXPECT_EQ(document.getNumber("a"), 0);
  EXPECT_FALSE(document.hasMember("a"));
  std::vector<Text> names = {"x"};
  EXPECT_EQ(document.memberNames(names), 0);
  EXPECT_EQ(document.typeOf("a"), kJsonOther);
  document.setMember("a", "b");
  document.push("v");
  document.removeAt("a[0]");
  EXPECT_EQ(document.getDocument("a")->toText(), "");
}

}  // namespace
