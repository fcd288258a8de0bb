// The board on the window: the game's state, with what is shown of it. The
// board paints what it hears happen in the game (盤の描き手); nothing in the
// game below it paints.
//
//   part     type      owner       what
//   view     画面      src/view    whether texts are bold, the squares the last move is marked on
//   list     棋譜欄    src/view    the move list's lines as last shown
#pragma once

#include <string>
#include <vector>

#include "game/state.hpp"
#include "view/ports.hpp"

namespace velmora {

struct 盤の場;

// What the window shows besides the position: whether texts are bold (from
// the first coordinate labels on), the squares the last move is marked on,
// whether the computer is thinking, why the game ended, and the lines of whose
// turn it is as last shown.
struct 画面 {
  bool FontBold = false;
  int 印数 = 0;
  int 印[4][2]{};
  bool 思考中 = false;
  終局の理由 終局の訳 = 終局の理由::なし;
  std::vector<std::string> 手番の行;
};

// The move list's lines as last shown, each with the move it was written
// from, so that a line is written again only when its move changed.
struct 棋譜欄 {
  std::vector<棋譜の手> 手;        // move t at t - 1
  std::vector<MoveList::Line> 行;  // the starting position, then move t at t
  int 先手 = 0;
  int 番号のずれ = 0;  // shown move number minus move index
};

// Paints what happens in the game.
class 盤の描き手 final : public 知らせの受け手 {
 public:
  explicit 盤の描き手(盤の場& f) : f_(f) {}
  void 知らせ(const 対局の知らせ& e) override;

 private:
  盤の場& f_;
};

struct 盤の場 : 対局の場 {
  画面 view;
  棋譜欄 list;
  盤の描き手 描き手{*this};

  盤の場() { 聞き手[0] = &描き手; }
};

}  // namespace velmora
