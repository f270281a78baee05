#include "recognition/recognition_errors.h"

#include <gtest/gtest.h>

#include "base/code_pages.h"

namespace {

TEST(RecognitionErrorsTest, CodesInTheirOrder) {
  const char* codes[] = {"1",      "2",      "3",      "4",      "6",      "14",     "17",
                         "18",     "19",     "100",    "110",    "111",    "282000", "216100",
                         "216101", "216102", "216103", "216110", "216200", "216201", "216202",
                         "216630", "216631", "216633", "216634", "272000", "272001", "282003",
                         "282004", "282005", "282006", "282102", "282103", "282110", "282111",
                         "282112", "282113", "282114", "282808", "282809", "282810"};
  ASSERT_EQ(recognitionErrors.size(), std::size(codes));
  for (std::size_t i = 0; i < recognitionErrors.size(); ++i) {
    EXPECT_STREQ(recognitionErrors[i].code, codes[i]) << i;
  }
}

TEST(RecognitionErrorsTest, EveryMessageIsGbkWithTheHead) {
  // 没有识别到文本!\r\n产生原因: in code page 936.
  const Text head =
      "\xC3\xBB\xD3\xD0\xCA\xB6\xB1\xF0\xB5\xBD\xCE\xC4\xB1\xBE!\r\n"
      "\xB2\xFA\xC9\xFA\xD4\xAD\xD2\xF2:";
  for (const RecognitionError& error : recognitionErrors) {
    Text message = error.message;
    EXPECT_TRUE(message.starts_with(head)) << error.code;
    EXPECT_GT(message.size(), head.size()) << error.code;
    EXPECT_EQ(utf8ToGbk(toUtf8(message)), message) << error.code;  // whole GBK characters
  }
}

TEST(RecognitionErrorsTest, LookupIsByExactText) {
  ASSERT_TRUE(recognitionMessage("110"));
  EXPECT_EQ(*recognitionMessage("110"), recognitionErrors[10].message);
  EXPECT_TRUE(recognitionMessage("110")->ends_with("access_token无效"));
  EXPECT_TRUE(recognitionMessage("282003")->ends_with("{参数名} 请求参数缺失"));
  for (const char* code : {"110 ", "0110", "5", "", " 110"}) {
    EXPECT_FALSE(recognitionMessage(code)) << "[" << code << "]";
  }
}

}  // namespace
