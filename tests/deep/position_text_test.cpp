#include "deep/position_text.hpp"

#include <gtest/gtest.h>

#include <string>

#include "positions.hpp"

namespace velmora {
namespace {

using deep::局面を読む;
using deep::局面文の誤り;

const std::string 初期 =
    "20 30 100 110 950 110 100 30 20\n"
    "0 900 0 0 0 0 0 800 0\n"
    "10 10 10 10 10 10 10 10 10\n"
    "0 0 0 0 0 0 0 0 0\n"
    "0 0 0 0 0 0 0 0 0\n"
    "0 0 0 0 0 0 0 0 0\n"
    "-10 -10 -10 -10 -10 -10 -10 -10 -10\n"
    "0 -800 0 0 0 0 0 -900 0\n"
    "-20 -30 -100 -110 -950 -110 -100 -30 -20\n";

TEST(PositionText, ReadsRowsFromTheTopAndColumnsFromTheLeftWithCommentsAndCrLf) {
  std::string text = "# the start\r\n\r\n" + 初期 + "0 0 0 0 0 0 0\n  # hands\n0 0 0 0 0 0 0\n1\n";
  const auto r = 局面を読む(text);
  ASSERT_TRUE(r.ok()) << r.行;
  局面 start;
  局面_初期配置(start);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(r.pos.BAN[x][y], start.BAN[x][y]);
  EXPECT_EQ(r.side, 1);
  EXPECT_EQ(r.pos, start);

  const auto h = 局面を読む(testing::王の鏡_上手番);
  ASSERT_TRUE(h.ok());
  EXPECT_EQ(h.pos.BAN[1][1], KAKU);
  EXPECT_EQ(h.pos.BAN[8][6], KEI);
  EXPECT_EQ(h.pos.SITA_MOTI[MOTI_KEI], 1);
  EXPECT_EQ(h.pos.SITA_MOTI[MOTI_SYA], 1);
  EXPECT_EQ(h.pos.UE_MOTI[MOTI_HU], 3);
  EXPECT_EQ(h.pos.UE_MOTI[MOTI_KIN], 2);
  EXPECT_EQ(h.pos.UE_MOTI_SU(), 6);
}

TEST(PositionText, NamesTheLineOfEveryKindOfError) {
  const std::string hands = "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n";
  struct Case {
    std::string text;
    局面文の誤り error;
    int line;
  };
  std::string bad_code = 初期;
  bad_code.replace(0, 2, "12");
  std::string short_row = 初期;
  short_row.replace(short_row.find("0 900"), 5, "900");
  const Case cases[] = {
      {初期 + hands, 局面文の誤り::足りない, 0},
      {初期 + hands + "-1\n0\n", 局面文の誤り::余分, 13},
      {初期 + hands + "2\n", 局面文の誤り::手番, 12},
      {初期 + hands + "x\n", 局面文の誤り::数, 12},
      {初期 + hands + "-1 1\n", 局面文の誤り::数, 12},
      {bad_code + hands + "-1\n", 局面文の誤り::駒コード, 1},
      {short_row + hands + "-1\n", 局面文の誤り::数, 2},
      {初期 + "0 0 0 -1 0 0 0\n0 0 0 0 0 0 0\n-1\n", 局面文の誤り::持駒数, 10},
      {初期 + "0 0 0 0 0 3 0\n0 0 0 0 0 0 0\n-1\n", 局面文の誤り::駒の数, 10},
      // 18 pawns on the board already: one in hand is one too many.
      {初期 + "1 0 0 0 0 0 0\n0 0 0 0 0 0 0\n-1\n", 局面文の誤り::駒の数, 0},
      {"1e3" + 初期.substr(2) + hands + "-1\n", 局面文の誤り::数, 1},
  };
  for (const auto& c : cases) {
    const auto r = 局面を読む(c.text);
    EXPECT_EQ(r.誤り, c.error) << c.text;
    EXPECT_EQ(r.行, c.line) << c.text;
  }
  std::string two_kings = 初期;
  two_kings.replace(two_kings.find("-110 -950"), 4, "-950");
  EXPECT_EQ(局面を読む(two_kings + hands + "-1\n").誤り, 局面文の誤り::駒の数);
}

TEST(PositionText, AGameWithoutOneKingIsAPosition) {
  std::string no_top_king = 初期;
  no_top_king.replace(no_top_king.find("950"), 3, "0");
  const auto r = 局面を読む(no_top_king + "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n-1\n");
  EXPECT_TRUE(r.ok());
}

}  // namespace
}  // namespace velmora
