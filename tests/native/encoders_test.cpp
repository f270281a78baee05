#include "recognition/encoders.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "tests/support/case_table.h"

namespace {

using case_table::caseName;
using case_table::PrintTo;

struct Base64Case {
  const char* name;
  Text input, encoded;
};

class Base64Test : public testing::TestWithParam<Base64Case> {};

TEST_P(Base64Test, Rfc4648Vectors) {
  EXPECT_EQ(base64Encode(bytesOf(GetParam().input)), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Base64Test,
    testing::Values(Base64Case{"Empty", "", ""}, Base64Case{"F", "f", "Zg=="},
                    Base64Case{"Fo", "fo", "Zm8="}, Base64Case{"Foo", "foo", "Zm9v"},
                    Base64Case{"Foob", "foob", "Zm9vYg=="}, Base64Case{"Fooba", "fooba", "Zm9vYmE="},
                    Base64Case{"Foobar", "foobar", "Zm9vYmFy"}, Base64Case{"Abc", "abc", "YWJj"},
                    Base64Case{"ZeroBytes", Text(3, '\0'), "AAAA"},
                    Base64Case{"HighBytes", "\xFF\xFE\xFD", "//79"}),
    caseName);

// An encoder written from the definition, bit by bit, to hold the fast one against.
Text referenceBase64(const Bytes& bytes) {
  const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  Text out;
  int bits = 0, value = 0;
  for (std::uint8_t byte : bytes) {
    value = (value << 8) | byte;
    bits += 8;
    while (bits >= 6) {
      bits -= 6;
      out += alphabet[(value >> bits) & 63];
    }
  }
  if (bits > 0) out += alphabet[(value << (6 - bits)) & 63];
  while (out.size() % 4) out += '=';
  return out;
}

TEST(Base64Test, AgreesWithBitwiseEncoderOnRandomInput) {
  std::uint32_t seed = 3;
  for (int length = 0; length < 300; ++length) {
    Bytes bytes(length);
    for (auto& byte : bytes) {
      seed = seed * 1103515245u + 12345u;
      byte = static_cast<std::uint8_t>(seed >> 16);
    }
    ASSERT_EQ(base64Encode(bytes), referenceBase64(bytes)) << length;
  }
}

TEST(Base64Test, LongInputHasNoLineBreaks) {
  EXPECT_EQ(base64Encode(Bytes(57, 1)).size(), 76u);
  EXPECT_EQ(base64Encode(Bytes(58, 1)).size(), 80u);
  EXPECT_EQ(base64Encode(Bytes(3000, 1)).find('\n'), Text::npos);
}

struct UrlEncodeCase {
  const char* name;
  Text text;
  bool keepUnreserved, utf8First;
  Text encoded;
};

class UrlEncodeTest : public testing::TestWithParam<UrlEncodeCase> {};

TEST_P(UrlEncodeTest, PercentFormsAndUnreservedBytes) {
  const UrlEncodeCase& c = GetParam();
  EXPECT_EQ(urlEncode(c.text, c.keepUnreserved, c.utf8First), c.encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UrlEncodeTest,
    testing::Values(UrlEncodeCase{"Base64Signs", "a+b/c=", true, false, "a%2Bb%2Fc%3D"},
                    UrlEncodeCase{"SpaceUnderscoreTilde", "a b_c~d", true, false,
                                  "a%20b%5Fc%7Ed"},
                    UrlEncodeCase{"KeepsDashDot", "-.", true, false, "-."},
                    UrlEncodeCase{"AllEncodedWhenOff", "AZ09", false, false, "%41%5A%30%39"},
                    UrlEncodeCase{"LeadingZero", "\n", true, false, "%0A"},
                    UrlEncodeCase{"Utf8First", "中", true, true, "%E4%B8%AD"},
                    UrlEncodeCase{"Gbk", "中", true, false, "%D6%D0"},
                    UrlEncodeCase{"EmptyBothOn", "", true, true, ""},
                    UrlEncodeCase{"EmptyBothOff", "", false, false, ""}),
    caseName);

TEST(UrlEncodeTest, AgreesWithPrintfOnEveryByte) {
  for (int byte = 1; byte < 256; ++byte) {
    Text text(1, static_cast<char>(byte));
    char percent[4];
    std::snprintf(percent, sizeof percent, "%%%02X", byte);
    bool unreserved = std::isalnum(byte) || byte == '-' || byte == '.';
    EXPECT_EQ(urlEncode(text, true), unreserved && byte < 0x80 ? text : Text(percent)) << byte;
    EXPECT_EQ(urlEncode(text), percent) << byte;
  }
}

}  // namespace
