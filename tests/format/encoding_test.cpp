#include "format/encoding.hpp"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Encoding, Cp932RoundTripOfTheRecordAndSettingsTexts) {
  for (std::string_view text : {"背景画=Velmora", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "先手の番です", "煉瓦", "ASCII only"}) {
    auto sjis = utf8からcp932(text);
    ASSERT_TRUE(sjis.has_value()) << text;
    auto back = cp932からutf8(*sjis);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, text);
  }
  // 背 is 0x94 0x77 in Shift-JIS, half-width katakana one byte each.
  EXPECT_EQ(*utf8からcp932("背"), "\x94\x77");
  EXPECT_EQ(*utf8からcp932("ﾊ"), "\xCA");
}

TEST(Encoding, FilesAreReadAsUtf8WhenValidAndAsCp932Otherwise) {
  EXPECT_EQ(読込テキスト("竹"), "竹");
  EXPECT_EQ(読込テキスト(*utf8からcp932("竹")), "竹");
  EXPECT_TRUE(正しいUTF8("abc"));
  EXPECT_FALSE(正しいUTF8("\xC0\x80"));      // overlong
  EXPECT_FALSE(正しいUTF8("\xE7\xAB"));      // cut short
  EXPECT_FALSE(正しいUTF8("\xED\xA0\x80"));  // surrogate
  // Bytes that are neither do not throw and do not vanish silently.
  const std::string junk = 読込テキスト(
      "A\x80\xFF"
      "B");
  EXPECT_EQ(junk.front(), 'A');
  EXPECT_EQ(junk.back(), 'B');
  EXPECT_NE(junk.find("\xEF\xBF\xBD"), std::string::npos);
}

}  // namespace
}  // namespace velmora
