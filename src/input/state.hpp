// The input: the board on the window, with what the player's mouse has
// picked. It forgets the pick whenever the game is set up afresh.
//
//   part     type      owner       what
//   pick     選択      src/input   the first click's square (or stand cell) and code, the second
//                                  click's square, whether a piece is picked
#pragma once

#include "input/ports.hpp"
#include "view/state.hpp"

namespace velmora {

struct 入力の場;

// The pick: the square (or stand cell) clicked first and its code, the
// square clicked second, and whether a piece is picked.
struct 選択 {
  int MOTO_X = 0, MOTO_Y = 0;
  int SAKI_X = 0, SAKI_Y = 0;
  int KOMA = 0;
  bool SENTAKU = false;
};

// Forgets the pick when the board is set up afresh or a kept game is taken up.
class 入力の聞き手 final : public 知らせの受け手 {
 public:
  explicit 入力の聞き手(入力の場& f) : f_(f) {}
  void 知らせ(const 対局の知らせ& e) override;

 private:
  入力の場& f_;
};

struct 入力の場 : 盤の場 {
  選択 pick;
  入力の聞き手 聞き手_入力{*this};

  入力の場() { 聞き手[1] = &聞き手_入力; }
};

}  // namespace velmora
