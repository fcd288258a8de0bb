// Reading what the recording canvas was asked to paint, in square units.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "script/fakes.hpp"
#include "view/drawing.hpp"
#include "window/startup.hpp"

namespace velmora::testing {

inline double 列(double tx) { return (tx - BAN_LEFT) / MASU_W; }
inline double 行(double ty) { return (ty - BAN_TOP) / MASU_H; }

inline bool 近い(double a, double b) { return std::abs(a - b) < 1e-6; }

// A painted op at cell (x, y), within rounding.
inline bool 位置(const PaintOp& op, double x, double y) { return 近い(列(op.x), x) && 近い(行(op.y), y); }

inline std::vector<PaintOp> 種類(const std::vector<PaintOp>& ops, PaintOp::Kind kind) {
  std::vector<PaintOp> out;
  for (const auto& op : ops)
    if (op.kind == kind) out.push_back(op);
  return out;
}

inline std::vector<PaintOp> 絵(const std::vector<PaintOp>& ops) { return 種類(ops, PaintOp::Picture); }
inline std::vector<PaintOp> 枠(const std::vector<PaintOp>& ops) { return 種類(ops, PaintOp::Rectangle); }
inline std::vector<PaintOp> 文字(const std::vector<PaintOp>& ops) { return 種類(ops, PaintOp::Text); }

// The outline of cell (x, y) in colour, exactly the cell's rectangle.
inline bool 輪郭(const PaintOp& op, int colour, double x, double y) {
  return op.kind == PaintOp::Rectangle && op.id_or_colour == colour && 位置(op, x, y) &&
         近い(列(op.x2), x + 1) && 近い(行(op.y2), y + 1);
}

// How many outlines of cell (x, y) in colour were drawn.
inline int 輪郭の数(const std::vector<PaintOp>& ops, int colour, double x, double y) {
  int n = 0;
  for (const auto& op : ops)
    if (輪郭(op, colour, x, y)) ++n;
  return n;
}

// The pictures painted on cell (x, y), in order.
inline std::vector<int> 絵の列(const std::vector<PaintOp>& ops, double x, double y) {
  std::vector<int> ids;
  for (const auto& op : ops)
    if (op.kind == PaintOp::Picture && 位置(op, x, y)) ids.push_back(op.id_or_colour);
  return ids;
}

// A started window whose paint record is empty, for tests of what one
// procedure paints.
class PaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form_Load(w.f());
    w.canvas.ops.clear();
  }
  FakeWindow w;
  Form1& f = w.f();
  std::vector<PaintOp>& ops = w.canvas.ops;
};

}  // namespace velmora::testing
