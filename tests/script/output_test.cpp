// velmora-script's box lines: one record a line and readable whatever a text
// holds (a translation, a file name, a header read from a record).
#include <gtest/gtest.h>

#include "script/fakes.hpp"

namespace velmora {
namespace {

std::string text_of(std::string_view text) { return box_line({"", std::string(text)}); }

TEST(ScriptOutput, LineEndsAndSeparatorsAreEscapedAsEver) {
  EXPECT_EQ(box_line({"題|名", "a\r\nb\\c", true, false}), "box 題\\|名|a\\r\\nb\\\\c|yesno=no");
  EXPECT_EQ(text_of("先手の番です"), "box |先手の番です|ok");
}

// A control character in a text would reach the reader's terminal, or break
// the line in two; a byte that is no UTF-8 would make the line no text.
TEST(ScriptOutput, ControlCharactersAndBytesThatAreNoTextAreEscaped) {
  EXPECT_EQ(text_of("a\tb"), "box |a\\x09b|ok");
  EXPECT_EQ(text_of("\x1b[2Jcleared"), "box |\\x1B[2Jcleared|ok");
  EXPECT_EQ(text_of(std::string("nul\0end", 7)), "box |nul\\x00end|ok");
  EXPECT_EQ(text_of("del\x7f"), "box |del\\x7F|ok");
  EXPECT_EQ(text_of("c1\xc2\x9b"
                    "0m"),
            "box |c1\\xC2\\x9B0m|ok");
  EXPECT_EQ(text_of("\xff\xfe.棋譜"), "box |\\xFF\\xFE.棋譜|ok");
  EXPECT_EQ(text_of("\xe6\xa3"), "box |\\xE6\\xA3|ok");  // a character cut short
  // Text that is text stays as it is: accents, kana, emoji, a no-break space.
  EXPECT_EQ(text_of("é ﾕｷ 😀\xc2\xa0x"), "box |é ﾕｷ 😀\xc2\xa0x|ok");
}

}  // namespace
}  // namespace velmora
