// Small helpers for composing positions in tests.
#pragma once

#include <initializer_list>
#include <memory>

#include "com/search_table.hpp"
#include "rules/game.hpp"
#include "rules/position.hpp"
#include "rules/survey.hpp"

namespace velmora::testing {

struct Placed {
  int x, y, code;
};

// The engine's parts held together, as the window holds them.
struct 試験局面 {
  局面 pos;
  対局 game;
  勢力図 maps;
  探索表 search;
  // What the computer's search works on.
  探索の場 場() { return {pos, maps, search, game.COM_LEVEL}; }
};

// An engine state with an empty board and empty hands; kings only where placed.
inline std::unique_ptr<試験局面> 空の局面(std::initializer_list<Placed> pieces = {}) {
  auto s = std::make_unique<試験局面>();
  for (const auto& p : pieces) {
    s->pos.BAN[p.x][p.y] = p.code;
    if (p.code == -OU) {
      s->maps.SITA_OU_X = p.x;
      s->maps.SITA_OU_Y = p.y;
    }
    if (p.code == OU) {
      s->maps.UE_OU_X = p.x;
      s->maps.UE_OU_Y = p.y;
    }
  }
  return s;
}

inline std::unique_ptr<試験局面> 初期局面() {
  auto s = std::make_unique<試験局面>();
  局面_初期化(s->pos, s->game);
  return s;
}

}  // namespace velmora::testing
