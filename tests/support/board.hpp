// Small helpers for composing positions in tests.
#pragma once

#include <initializer_list>
#include <memory>

#include "rules/position.hpp"

namespace velmora::testing {

struct Placed {
  int x, y, code;
};

// An engine state with an empty board and empty hands; kings only where placed.
inline std::unique_ptr<EngineState> 空の局面(std::initializer_list<Placed> pieces = {}) {
  auto s = std::make_unique<EngineState>();
  for (const auto& p : pieces) {
    s->BAN[p.x][p.y] = p.code;
    if (p.code == -OU) {
      s->SITA_OU_X = p.x;
      s->SITA_OU_Y = p.y;
    }
    if (p.code == OU) {
      s->UE_OU_X = p.x;
      s->UE_OU_Y = p.y;
    }
  }
  return s;
}

inline std::unique_ptr<EngineState> 初期局面() {
  auto s = std::make_unique<EngineState>();
  局面_初期化(*s);
  return s;
}

}  // namespace velmora::testing
