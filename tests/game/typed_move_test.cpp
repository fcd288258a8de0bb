// Moves typed in the move list's notations, read against the position: every
// way of writing a move means the one move, and a text that means no move,
// or more than one, says why.
#include <gtest/gtest.h>

#include "game/language.hpp"
#include "game/notation.hpp"
#include "rules/position.hpp"

namespace velmora {
namespace {

// Squares by the notation's column and row: 升(7, 6) is ７六.
constexpr int 列(int column) { return 相対位置(column); }

class TypedMove : public ::testing::Test {
 protected:
  void SetUp() override { 局面_初期配置(p); }
  読んだ指し手 読む(std::string_view text, bool 下 = true) { return 読む_指し手(p, 下, moves, TESUU, text); }
  // Puts a piece on column c, row r.
  void 置く(int c, int r, int code) { p.BAN[列(c)][r] = code; }
  void 空に() {
    for (auto& column : p.BAN) column.fill(KARA);
    置く(5, 9, -OU);
    置く(5, 1, OU);
  }
  局面 p;
  手順 moves;
  int TESUU = 0;
};

TEST_F(TypedMove, EveryNotationOfOneMoveMeansThatMove) {
  const 指し手 pawn{列(7), 7, 列(7), 6, -HU, -HU};
  for (const char* text :
       {"７六歩", "76歩", "7六歩", "７６歩", "▲７六歩", "☗76歩", "7 6 歩", "７　六　歩", "7g7f", "7G7F",
        "P-7f", "p-7f", "P7f", "P7g-7f", "Ｐ－７ｆ", "７ｇ７ｆ", "７六歩不成"}) {
    const 読んだ指し手 r = 読む(text);
    EXPECT_EQ(r.誤り, 読めない::なし) << text;
    EXPECT_EQ(r.手, pawn) << text;
  }
  // The top side's first move, in its own terms.
  const 指し手 top{列(3), 3, 列(3), 4, HU, HU};
  for (const char* text : {"３四歩", "34歩", "△３四歩", "3c3d", "P-3d"}) {
    const 読んだ指し手 r = 読む(text, false);
    EXPECT_EQ(r.誤り, 読めない::なし) << text;
    EXPECT_EQ(r.手, top) << text;
  }
}

TEST_F(TypedMove, TwoPiecesThatCouldGoThereAreToldApartOrRefused) {
  // Both golds reach ５八 (and ５二 for the top side).
  const 読んだ指し手 both = 読む("58金");
  EXPECT_EQ(both.誤り, 読めない::二つ以上);
  ASSERT_EQ(both.候補数, 2);
  言語 ja;
  EXPECT_EQ(読めない理由(ja, both),
            "５八へ行ける金が二つ以上あります（６九, ４九）。どの駒かを書いてください");
  // 右 and 左 as the mover sits: the bottom side's right is the first column,
  // the top side's the ninth.
  EXPECT_EQ(読む("５八金右").手, (指し手{列(4), 9, 列(5), 8, -KIN, -KIN}));
  EXPECT_EQ(読む("５八金左").手, (指し手{列(6), 9, 列(5), 8, -KIN, -KIN}));
  EXPECT_EQ(読む("G4i-5h").手, (指し手{列(4), 9, 列(5), 8, -KIN, -KIN}));
  EXPECT_EQ(読む("6i5h").手, (指し手{列(6), 9, 列(5), 8, -KIN, -KIN}));
  EXPECT_EQ(読む("５二金右", false).手, (指し手{列(6), 1, 列(5), 2, KIN, KIN}));
  EXPECT_EQ(読む("５二金左", false).手, (指し手{列(4), 1, 列(5), 2, KIN, KIN}));

  // How it moves: one gold straight up from below, one from the side.
  空に();
  置く(5, 1, KARA);
  置く(9, 1, OU);
  置く(5, 3, -KIN);
  置く(4, 2, -KIN);
  置く(5, 1, -KIN);
  EXPECT_EQ(読む("52金").誤り, 読めない::二つ以上);
  EXPECT_EQ(読む("52金").候補数, 3);
  EXPECT_EQ(読む("５二金上").手, (指し手{列(5), 3, 列(5), 2, -KIN, -KIN}));
  EXPECT_EQ(読む("５二金直").手, (指し手{列(5), 3, 列(5), 2, -KIN, -KIN}));
  EXPECT_EQ(読む("５二金寄").手, (指し手{列(4), 2, 列(5), 2, -KIN, -KIN}));
  EXPECT_EQ(読む("５二金引").手, (指し手{列(5), 1, 列(5), 2, -KIN, -KIN}));
  // Words that leave none name no piece that could go.
  EXPECT_EQ(読む("５二金直引").誤り, 読めない::駒がない);
}

TEST_F(TypedMove, WhatNoPieceCanDoIsRefusedWithTheReason) {
  言語 ja;
  struct Case {
    const char* text;
    読めない why;
    const char* reason;
  } cases[] = {
      {"", 読めない::空, "指し手を入力してください"},
      {"　", 読めない::空, "指し手を入力してください"},
      {"hello", 読めない::書式, "指し手として読めません（例: ７六歩、76歩、P-7f、7g7f）"},
      {"7g", 読めない::書式, nullptr},
      {"76", 読めない::書式, nullptr},
      {"7g7f7e", 読めない::書式, nullptr},
      {"P*", 読めない::書式, nullptr},
      {"7g*7f", 読めない::書式, nullptr},
      {"０六歩", 読めない::書式, nullptr},
      {"\xff\xfe", 読めない::書式, nullptr},
      {"75歩", 読めない::駒がない, "７五へ行ける歩がありません"},
      {"P-7e", 読めない::駒がない, "７五へ行ける歩がありません"},
      {"７七歩", 読めない::駒がない, nullptr},  // its own piece stands there
      {"55角", 読めない::駒がない, "５五へ行ける角がありません"},
      {"7f7e", 読めない::元に駒がない, "７六に手番の側の駒がありません"},
      {"3c3d", 読めない::元に駒がない, "３三に手番の側の駒がありません"},
      {"S7g-6h", 読めない::元に駒がない, "７七に手番の側の銀がありません"},
      {"P*5e", 読めない::持駒にない, "持ち駒に歩がありません"},
      {"55歩打", 読めない::持駒にない, "持ち駒に歩がありません"},
      {"同歩", 読めない::同の先がない, "「同」の升を決める前の手がありません"},
      {"7g7f+", 読めない::成れない, "この歩はこの手で成れません"},
      {"７六歩成", 読めない::成れない, "この歩はこの手で成れません"},
      {"K*5e", 読めない::持駒にない, "持ち駒に玉がありません"},
  };
  for (const Case& c : cases) {
    const 読んだ指し手 r = 読む(c.text);
    EXPECT_EQ(r.誤り, c.why) << c.text;
    if (c.reason) {
      EXPECT_EQ(読めない理由(ja, r), c.reason) << c.text;
    }
    EXPECT_FALSE(読めない理由(ja, r).empty()) << c.text;
  }
  EXPECT_EQ(読めない理由(ja, 読む("76歩")), "");
}

TEST_F(TypedMove, PromotionIsWhatTheTextSaysAndRequiredWhereThePieceWouldBeStuck) {
  空に();
  置く(2, 2, -HU);
  置く(2, 4, -GIN);
  置く(8, 8, -KAKU);
  EXPECT_EQ(読む("21歩").誤り, 読めない::成らねばならない);
  言語 ja;
  EXPECT_EQ(読めない理由(ja, 読む("２一歩不成")), "２一の歩は成らなければなりません（成 または +）");
  EXPECT_EQ(読む("21歩成").手, (指し手{列(2), 2, 列(2), 1, -HU, -TO}));
  EXPECT_EQ(読む("2b2a+").手, (指し手{列(2), 2, 列(2), 1, -HU, -TO}));
  EXPECT_EQ(読む("２三銀").手, (指し手{列(2), 4, 列(2), 3, -GIN, -GIN}));
  EXPECT_EQ(読む("２三銀不成").手, (指し手{列(2), 4, 列(2), 3, -GIN, -GIN}));
  EXPECT_EQ(読む("S-2c=").手, (指し手{列(2), 4, 列(2), 3, -GIN, -GIN}));
  EXPECT_EQ(読む("２三銀成").手, (指し手{列(2), 4, 列(2), 3, -GIN, -GIN_NARI}));
  EXPECT_EQ(読む("２三銀生").手.placed, -GIN);
  EXPECT_EQ(読む("Bx2b+").誤り, 読めない::駒がない);  // its own pawn stands on ２二
  EXPECT_EQ(読む("33角成").手, (指し手{列(8), 8, 列(3), 3, -KAKU, -KAKU_NARI}));
  EXPECT_EQ(読む("B-3c+").手, (指し手{列(8), 8, 列(3), 3, -KAKU, -KAKU_NARI}));
  // A promoted piece by its own name, in either notation.
  置く(3, 3, -KAKU_NARI);
  置く(8, 8, KARA);
  for (const char* text : {"４四馬", "44馬", "+B-4d", "+b3c4d", "3c4d"})
    EXPECT_EQ(読む(text).手, (指し手{列(3), 3, 列(4), 4, -KAKU_NARI, -KAKU_NARI})) << text;
  置く(1, 9, -SYA_NARI);
  EXPECT_EQ(読む("１八竜").手, 読む("１八龍").手);
  EXPECT_EQ(読む("１八竜").手, (指し手{列(1), 9, 列(1), 8, -SYA_NARI, -SYA_NARI}));
}

TEST_F(TypedMove, DropsComeFromTheStandAsTheMoveProceduresTakeThem) {
  空に();
  p.SITA_MOTI[MOTI_HU] = 1;
  p.UE_MOTI[MOTI_KIN] = 2;
  const 指し手 bottom{SITA_DAI, MOTI_HU + 2, 列(5), 5, -HU, -HU};
  for (const char* text : {"５五歩", "55歩打", "P*5e", "ｐ＊５ｅ"}) {
    EXPECT_EQ(読む(text).誤り, 読めない::なし) << text;
    EXPECT_EQ(読む(text).手, bottom) << text;
  }
  EXPECT_EQ(読む("５五金", false).手, (指し手{UE_DAI, MOTI_KIN, 列(5), 5, KIN, KIN}));
  EXPECT_EQ(読む("G*5e", false).手, (指し手{UE_DAI, MOTI_KIN, 列(5), 5, KIN, KIN}));
  // No pawn dropped where it could never move, none on a piece, no drop promoted.
  EXPECT_EQ(読む("P*5a").誤り, 読めない::打てない);
  言語 ja;
  EXPECT_EQ(読めない理由(ja, 読む("P*5a")), "５一には歩を打てません");
  EXPECT_EQ(読む("P*5i").誤り, 読めない::打てない);
  EXPECT_EQ(読む("５五歩成").誤り, 読めない::成れない);
  EXPECT_EQ(読む("P*5e+").誤り, 読めない::成れない);
  // A piece on the board that could go there goes before the one in hand,
  // unless the drop is written.
  置く(5, 6, -HU);
  EXPECT_EQ(読む("５五歩").手, (指し手{列(5), 6, 列(5), 5, -HU, -HU}));
  EXPECT_EQ(読む("５五歩打").手, bottom);
  // A piece that does not go to a hand cannot be dropped, and neither can a promoted one.
  EXPECT_EQ(読む("+P*4e").誤り, 読めない::持駒にない);
}

TEST_F(TypedMove, SameSquareIsTheSquareTheLastMoveWentTo) {
  // The bottom pawn has just gone from ２五 to ２四.
  空に();
  置く(2, 4, -HU);
  棋譜の手 last;
  last.t = 1;
  last.分かる = true;
  last.下 = true;
  last.手 = {列(2), 5, 列(2), 4, -HU, -HU};
  手順_記録(moves, 0, last);
  TESUU = 1;
  // Nothing of the top side reaches it yet.
  EXPECT_EQ(読む("同歩", false).誤り, 読めない::駒がない);
  置く(2, 3, HU);
  for (const char* text : {"同歩", "同　歩", "同 歩", "２四歩"})
    EXPECT_EQ(読む(text, false).手, (指し手{列(2), 3, 列(2), 4, HU, HU})) << text;
  // A square written beside 同 is the square meant.
  EXPECT_EQ(読む("２四同歩", false).手, (指し手{列(2), 3, 列(2), 4, HU, HU}));
}

TEST_F(TypedMove, TheReasonsSpeakTheWindowsLanguage) {
  言語 en;
  ASSERT_TRUE(言語_設定(en, {"en"}));
  EXPECT_EQ(読めない理由(en, 読む("58金")), "More than one gold can go to 5h (6i, 4i): say which one");
  EXPECT_EQ(読めない理由(en, 読む("75歩")), "No pawn can go to 7e");
  EXPECT_EQ(読めない理由(en, 読む("P*5e")), "No pawn in hand");
  EXPECT_EQ(読めない理由(en, 読む("7f7e")), "No piece of the side to move on 7f");
  EXPECT_EQ(読めない理由(en, 読む("xyz")), "Not a move (for example P-7f, 7g7f, P*5e)");
  EXPECT_EQ(升の表記(en, 列(7), 6), "7f");
  EXPECT_EQ(駒の呼び名(en, -KAKU_NARI), "horse");
  言語 ja;
  EXPECT_EQ(升の表記(ja, 列(7), 6), "７六");
  EXPECT_EQ(駒の呼び名(ja, -OU), "玉");
  EXPECT_EQ(駒の呼び名(ja, OU), "王");
}

}  // namespace
}  // namespace velmora
