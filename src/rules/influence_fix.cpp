// Influence of the long movers and the gold-movers, added square by square
// to the maps the survey has just reset.
#include "rules/influence_steps.hpp"
#include "rules/survey.hpp"

namespace velmora {

using namespace influence;

namespace {

// A bottom ray: counts the first occupied square and ends there, except at
// the top king, which it marks as in check and runs through.
template <int dx, int dy>
void 下の光線(const 局面& p, 勢力図& m, int d, int x, int y) {
  for (int tx = x + dx, ty = y + dy; 盤内(tx, ty); tx += dx, ty += dy) {
    下の一歩(p, m, d, x, y, tx, ty);
    const int b = p.BAN[tx][ty];
    if (b == KARA) continue;
    if (b != OU) return;
    for (int cx = tx - dx, cy = ty - dy; cx != x || cy != y; cx -= dx, cy -= dy) m.SITA_OUTE[cx][cy] = 1;
    m.SITA_OUTE[x][y] = 9;
  }
}

// A top ray: defence and capture both with place; runs through the bottom king.
template <int dx, int dy>
void 上の光線(const 局面& p, 勢力図& m, int d, int x, int y) {
  for (int tx = x + dx, ty = y + dy; 盤内(tx, ty); tx += dx, ty += dy) {
    上の一歩<守 | 守場所 | 取 | 取場所>(p, m, d, x, y, tx, ty);
    const int b = p.BAN[tx][ty];
    if (b == KARA) continue;
    if (b != -OU) return;
    for (int cx = tx - dx, cy = ty - dy; cx != x || cy != y; cx -= dx, cy -= dy) m.UE_OUTE[cx][cy] = 1;
    m.UE_OUTE[x][y] = 9;
  }
}

template <int dx, int dy>
void 直進(const 局面& p, 勢力図& m, int code, int x, int y) {
  if (code < 0)
    下の光線<dx, dy>(p, m, code, x, y);
  else
    上の光線<dx, dy>(p, m, code, x, y);
}

}  // namespace

void 勢力確定上直進(const 局面& p, 勢力図& m, int code, int x, int y) { 直進<0, -1>(p, m, code, x, y); }
void 勢力確定下直進(const 局面& p, 勢力図& m, int code, int x, int y) { 直進<0, 1>(p, m, code, x, y); }
void 勢力確定右直進(const 局面& p, 勢力図& m, int code, int x, int y) { 直進<1, 0>(p, m, code, x, y); }
void 勢力確定左直進(const 局面& p, 勢力図& m, int code, int x, int y) { 直進<-1, 0>(p, m, code, x, y); }

void 勢力確定自金(const 局面& p, 勢力図& m, int code, int x, int y) {
  if (y >= 2) {
    下の一歩_王手(p, m, code, x, y, x, y - 1);
    if (x >= 2) 下の一歩_王手(p, m, code, x, y, x - 1, y - 1);
    if (x <= 8) 下の一歩_王手(p, m, code, x, y, x + 1, y - 1);
  }
  if (y <= 8) 下の一歩_王手(p, m, code, x, y, x, y + 1);
  if (x >= 2) 下の一歩_王手(p, m, code, x, y, x - 1, y);
  if (x <= 8) 下の一歩_王手(p, m, code, x, y, x + 1, y);
}

// Every top gold-mover records 110 and no place, and never counts as a
// capturer in UE_TORI.
void 勢力確定敵金(const 局面& p, 勢力図& m, int x, int y) {
  constexpr unsigned parts = 守 | 王手;
  if (y >= 2) 上の一歩<parts>(p, m, KIN, x, y, x, y - 1);
  if (y <= 8) {
    上の一歩<parts>(p, m, KIN, x, y, x, y + 1);
    if (x >= 2) 上の一歩<parts>(p, m, KIN, x, y, x - 1, y + 1);
    if (x <= 8) 上の一歩<parts>(p, m, KIN, x, y, x + 1, y + 1);
  }
  if (x >= 2) 上の一歩<parts>(p, m, KIN, x, y, x - 1, y);
  if (x <= 8) 上の一歩<parts>(p, m, KIN, x, y, x + 1, y);
}

// The bottom bishop and promoted bishop both record -800 on their rays.
void 勢力確定自角(const 局面& p, 勢力図& m, int x, int y) {
  下の光線<-1, -1>(p, m, -KAKU, x, y);
  下の光線<1, -1>(p, m, -KAKU, x, y);
  下の光線<-1, 1>(p, m, -KAKU, x, y);
  下の光線<1, 1>(p, m, -KAKU, x, y);
}

void 勢力確定敵角(const 局面& p, 勢力図& m, int code, int x, int y) {
  上の光線<-1, -1>(p, m, code, x, y);
  上の光線<1, -1>(p, m, code, x, y);
  上の光線<-1, 1>(p, m, code, x, y);
  上の光線<1, 1>(p, m, code, x, y);
}

}  // namespace velmora
