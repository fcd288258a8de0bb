#include "format/kifu_line.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "format/encoding.hpp"
#include "rules/position.hpp"

namespace velmora {
namespace {

// A snapshot of the initial position.
std::unique_ptr<棋譜局面> 初期局面の記録() {
  局面 p;
  局面_初期配置(p);
  auto k = std::make_unique<棋譜局面>();
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) k->BAN[x][y] = p.BAN[x][y];
  return k;
}

TEST(KifuLineWriter, TheInitialPositionIsWrittenColumnByColumnInFourCharacterFields) {
  auto s = 初期局面の記録();
  s->MAN_JIKAN = 1234.9;
  s->MAN_JIKAN2 = 7;
  s->COM_JIKAN = 12345;
  s->COM_JIKAN2 = 0;
  const std::string line = 書込_棋譜行(*s);
  ASSERT_EQ(line.size(), 358u);
  EXPECT_EQ(line.substr(0, 36), "  20   0  10   0   0   0 -10   0 -20");
  // Column 5 holds the two kings.
  EXPECT_EQ(line.substr(4 * 36, 36), " 950   0  10   0   0   0 -10   0-950");
  EXPECT_EQ(line.substr(324, 14), "00000000000000");
  EXPECT_EQ(line.substr(338), " 1234    712345    0");
}

TEST(KifuLineWriter, HandsOfTenToEighteenUseTheCharactersAfterNine) {
  auto s = 初期局面の記録();
  s->SITA_MOTI[1] = 10;
  s->UE_MOTI[1] = 18;
  s->SITA_MOTI[2] = 9;
  s->UE_MOTI[7] = 2;
  const std::string line = 書込_棋譜行(*s);
  EXPECT_EQ(line.substr(324, 14), ":B900000000002");
  EXPECT_EQ(line.size(), 358u);
}

TEST(KifuLineWriter, TimesAreCutToFiveCharacters) {
  auto s = 初期局面の記録();
  s->MAN_JIKAN = 100000;
  s->MAN_JIKAN2 = 1e12;
  s->COM_JIKAN = -3;
  s->COM_JIKAN2 = 99999.99;
  EXPECT_EQ(書込_棋譜行(*s).substr(338), "9999999999    099999");
}

TEST(KifuLineReader, ReadsBackWhatWasWritten) {
  auto s = 初期局面の記録();
  // All pawns in hand, twelve and six: counts above nine survive the trip.
  for (int x = 1; x <= 9; ++x) s->BAN[x][3] = s->BAN[x][7] = KARA;
  s->SITA_MOTI[1] = 12;
  s->UE_MOTI[1] = 6;
  s->BAN[2][8] = KARA;
  s->BAN[5][5] = -KAKU_NARI;
  s->BAN[8][2] = KARA;
  s->UE_MOTI[6] = 1;
  s->MAN_JIKAN = 1;
  s->MAN_JIKAN2 = 22;
  s->COM_JIKAN = 333;
  s->COM_JIKAN2 = 99999;

  棋譜局面 k;
  const auto r = 読込_棋譜行(書込_棋譜行(*s), k);
  ASSERT_TRUE(r.ok()) << static_cast<int>(r.誤り) << " at " << r.桁;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(k.BAN[x][y], s->BAN[x][y]) << x << "," << y;
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(k.SITA_MOTI[i], s->SITA_MOTI[i]);
    EXPECT_EQ(k.UE_MOTI[i], s->UE_MOTI[i]);
  }
  EXPECT_EQ(k.MAN_JIKAN, 1);
  EXPECT_EQ(k.MAN_JIKAN2, 22);
  EXPECT_EQ(k.COM_JIKAN, 333);
  EXPECT_EQ(k.COM_JIKAN2, 99999);
}

std::string 初期行() { return 書込_棋譜行(*初期局面の記録()); }

TEST(KifuLineReader, FieldsMayLeaveOutTheirBlanksOrBeEmpty) {
  std::string line = 初期行();
  line.replace(0, 4, "0020");  // leading zeros read as digits
  line.replace(4, 4, "    ");  // empty board field: empty square
  line.replace(324, 1, " ");   // empty hand field: none
  line.replace(338, 5, "    5");
  line.replace(343, 5, "     ");  // empty time: 0
  棋譜局面 k;
  ASSERT_TRUE(読込_棋譜行(line, k).ok());
  EXPECT_EQ(k.BAN[1][1], KYOU);
  EXPECT_EQ(k.BAN[1][2], KARA);
  EXPECT_EQ(k.SITA_MOTI[1], 0);
  EXPECT_EQ(k.MAN_JIKAN, 5);
  EXPECT_EQ(k.MAN_JIKAN2, 0);
}

struct BadLine {
  const char* name;
  std::string line;
  棋譜行の誤り error;
  int column;
};

std::string with(std::string line, std::size_t at, std::string_view part) {
  line.replace(at, part.size(), part);
  return line;
}

TEST(KifuLineReader, RefusesEveryBadLineAndLeavesTheResultAlone) {
  const std::string good = 初期行();
  const BadLine cases[] = {
      {"empty", "", 棋譜行の誤り::長さ, 0},
      {"short", good.substr(0, 357), 棋譜行の誤り::長さ, 0},
      {"long", good + " ", 棋譜行の誤り::長さ, 0},
      {"binary", std::string(358, '\0'), 棋譜行の誤り::数値, 1},
      {"letters in a board field", with(good, 8, "  1x"), 棋譜行の誤り::数値, 9},
      {"a blank inside a number", with(good, 8, " 1 0"), 棋譜行の誤り::数値, 9},
      {"a sign alone", with(good, 8, "   -"), 棋譜行の誤り::数値, 9},
      {"a plus sign", with(good, 8, " +10"), 棋譜行の誤り::数値, 9},
      {"no piece", with(good, 8, "  12"), 棋譜行の誤り::駒コード, 9},
      {"no piece, negative", with(good, 8, "-999"), 棋譜行の誤り::駒コード, 9},
      {"two top kings", with(good, 12, " 950"), 棋譜行の誤り::駒の数, 145},
      {"three rooks", with(good, 300, " 900"), 棋譜行の誤り::駒の数, 301},
      {"hand count past 18", with(good, 324, "C"), 棋譜行の誤り::数値, 325},
      {"hand count below 0", with(good, 325, "/"), 棋譜行の誤り::数値, 326},
      {"three bishops in hand", with(good, 334, "3"), 棋譜行の誤り::持駒数, 335},
      {"a fifth lance", with(good, 326, "1"), 棋譜行の誤り::駒の数, 327},
      {"pawns in hand and on the board", with(good, 324, "1"), 棋譜行の誤り::駒の数, 325},
      {"letters in a time", with(good, 338, "  1a2"), 棋譜行の誤り::数値, 339},
      {"negative time", with(good, 353, "  -12"), 棋譜行の誤り::時間, 354},
      {"tab in a time", with(good, 343, "\t   1"), 棋譜行の誤り::数値, 344},
  };
  for (const auto& c : cases) {
    棋譜局面 k;
    k.BAN[1][1] = 12345;  // sentinel: an error leaves the result untouched
    const auto r = 読込_棋譜行(c.line, k);
    EXPECT_EQ(r.誤り, c.error) << c.name;
    EXPECT_EQ(r.桁, c.column) << c.name;
    EXPECT_EQ(k.BAN[1][1], 12345) << c.name;
    EXPECT_FALSE(棋譜行の誤り_説明(r.誤り).empty()) << c.name;
  }
}

TEST(KifuHeader, IsWrittenInShiftJisAndReadEitherWay) {
  const auto sjis = 書込_見出し行("先手 太郎");
  ASSERT_TRUE(sjis);
  EXPECT_EQ(*sjis, "\x90\xe6\x8e\xe8\x20\x91\xbe\x98\x59");
  EXPECT_EQ(読込_見出し行(*sjis), "先手 太郎");
  EXPECT_EQ(読込_見出し行("先手 太郎"), "先手 太郎");  // a file saved as UTF-8
  // Half-width katakana survive the round trip, also in pairs whose Shift-JIS
  // bytes are valid UTF-8 as well ("ﾕｷ" would read as an Armenian letter).
  for (const char* text : {"ﾊﾝﾃﾞｨｷｬｯﾌﾟ", "ﾕｷ", "ﾐｶ", "ﾃｽﾄｰ", "ﾂｧ"}) {
    ASSERT_TRUE(書込_見出し行(text)) << text;
    EXPECT_EQ(読込_見出し行(*書込_見出し行(text)), text);
  }
  EXPECT_EQ(読込_見出し行("caf\xC3\xA9"), "cafﾃｩ");  // the price: two-byte UTF-8 that is Shift-JIS too
  EXPECT_EQ(読込_見出し行("\xF0\x9F\x98\x80 \xD0\xB6"), "\xF0\x9F\x98\x80 \xD0\xB6");  // no Shift-JIS: UTF-8
}

TEST(KifuHeader, WhatCannotBeReadBackAsTypedIsRefused) {
  EXPECT_EQ(*書込_見出し行("a\r\nb"), "a  b");  // line breaks become blanks
  // Characters Shift-JIS holds only as a twin come back as the twin.
  EXPECT_EQ(読込_見出し行(*書込_見出し行("〜¬")), "～￢");
  EXPECT_EQ(書込_見出し行("\xF0\x9F\x98\x80").誤り, 見出しの誤り::文字);  // an emoji has no Shift-JIS form
  // Up to a whole line, in two-byte characters or one-byte ones.
  const std::string kanji = [] {
    std::string t;
    for (int i = 0; i < 棋譜_見出しの文字数上限; ++i) t += "将";
    return t;
  }();
  EXPECT_EQ(書込_見出し行(kanji).bytes.size(), 棋譜_行の上限);
  EXPECT_EQ(書込_見出し行(kanji + "a").誤り, 見出しの誤り::長さ);
  EXPECT_TRUE(書込_見出し行(std::string(棋譜_行の上限, 'x')));
  EXPECT_EQ(書込_見出し行(std::string(棋譜_行の上限 + 1, 'x')).誤り, 見出しの誤り::長さ);
  // A rare kanji and a katakana whose Shift-JIS bytes spell a three-byte UTF-8 character.
  const auto odd = cp932からutf8("\xE0\xA0\x83\x41");
  ASSERT_TRUE(odd.has_value());
  EXPECT_EQ(書込_見出し行(*odd).誤り, 見出しの誤り::読み戻し);
}

}  // namespace
}  // namespace velmora
