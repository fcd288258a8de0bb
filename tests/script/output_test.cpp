// velmora-script's box lines: one record a line and readable whatever a text
// holds (a translation, a file name, a header read from a record).
#include <gtest/gtest.h>

#include "game/language.hpp"
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

// A hint is written as the move list would write the move once made: ▲ for
// the side that moved first (before any move, the side to move), "同" for the
// square of the move before, the mirror jump after it; in English, the
// Western notation.
TEST(ScriptOutput, AHintIsWrittenAsTheMoveListWouldWriteIt) {
  FakeWindow w;
  Form1& f = w.f();
  局面_初期配置(f.pos);
  f.moves.先手 = 1;  // a former game, begun by the top side
  対局の知らせ e;
  e.種類 = 出来事::ヒント;
  e.手 = 記す_指し手(f.pos, {7, 7, 7, 6, -HU, -HU}, true);
  EXPECT_EQ(hint_line(f, e), "hint ▲３六歩　鏡 △７三歩→７四");

  // In this game the top side moved first, a pawn to ５四, where the bottom
  // side's gold may take it; the gold's own square is its mirror square.
  f.pos = {};
  f.pos.BAN[5][9] = -OU;
  f.pos.BAN[5][1] = OU;
  f.pos.BAN[5][5] = -KIN;
  f.pos.BAN[5][4] = HU;
  f.game.TESUU = 1;
  f.moves.手 = {記す_指し手(f.pos, {5, 3, 5, 4, HU, HU}, false)};
  e.手 = 手順_次の手(f.moves, 1, 記す_指し手(f.pos, {5, 5, 5, 4, -KIN, -KIN}, true));
  EXPECT_EQ(hint_line(f, e), "hint △同　金");

  局面_初期配置(f.pos);
  ASSERT_TRUE(言語_設定(f.lang, {"en"}));
  e.手 = 記す_指し手(f.pos, {3, 7, 3, 6, -HU, -HU}, true);
  EXPECT_EQ(hint_line(f, e), "hint △P-7f  mirror ▲P3c-3d");
}

}  // namespace
}  // namespace velmora
