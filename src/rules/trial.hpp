// Trial changes of the position: the mate tests, the probes and the search
// try pieces on the live board and put them back. The guards here put them
// back when they go out of scope and, in builds with assertions (Debug, the
// sanitizer build), check that the board and both hands are then exactly as
// they were found: a trial that forgets a square fails at once, not moves later.
#pragma once

#include <cassert>

#include "rules/position.hpp"

namespace velmora {

// The position as it was, for the check. Empty and free in builds without
// assertions.
class 局面の控え {
 public:
  explicit 局面の控え([[maybe_unused]] const 局面& p)
#ifndef NDEBUG
      : was_(p)
#endif
  {
  }

  bool 同じ([[maybe_unused]] const 局面& p) const {
#ifndef NDEBUG
    return was_ == p;
#else
    return true;
#endif
  }

 private:
#ifndef NDEBUG
  局面 was_;
#endif
};

// One square given another code for a while: a piece lifted (KARA) or a
// piece put down to try it there. The square gets its code back when the
// guard goes.
class [[nodiscard]] 仮の駒 {
 public:
  仮の駒(局面& p, int x, int y, int code) : p_(p), x_(x), y_(y), was_(p.BAN[x][y]), found_(p) {
    p.BAN[x][y] = code;
  }
  ~仮の駒() {
    p_.BAN[x_][y_] = was_;
    assert(found_.同じ(p_) && "a trial left the position changed");
  }
  仮の駒(const 仮の駒&) = delete;
  仮の駒& operator=(const 仮の駒&) = delete;

 private:
  局面& p_;
  int x_, y_, was_;
  局面の控え found_;
};

// A piece moved from (x, y) to (x2, y2) for a while, over whatever stood
// there, without capture or mirror move. Both squares get their codes back
// when the guard goes.
class [[nodiscard]] 仮の移動 {
 public:
  仮の移動(局面& p, int x, int y, int x2, int y2, int code)
      : p_(p), x_(x), y_(y), x2_(x2), y2_(y2), was_(p.BAN[x][y]), was2_(p.BAN[x2][y2]), found_(p) {
    p.BAN[x][y] = KARA;
    p.BAN[x2][y2] = code;
  }
  // The code standing on the destination from now on.
  void 置く(int code) { p_.BAN[x2_][y2_] = code; }
  ~仮の移動() {
    p_.BAN[x2_][y2_] = was2_;
    p_.BAN[x_][y_] = was_;
    assert(found_.同じ(p_) && "a trial left the position changed");
  }
  仮の移動(const 仮の移動&) = delete;
  仮の移動& operator=(const 仮の移動&) = delete;

 private:
  局面& p_;
  int x_, y_, x2_, y2_, was_, was2_;
  局面の控え found_;
};

}  // namespace velmora
