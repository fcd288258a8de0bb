// Influence of the long movers and the gold-movers, added square by square
// to the maps the survey has just reset.
#include "rules/influence_steps.hpp"
#include "rules/survey.hpp"

namespace velmora {

using namespace influence;

namespace {

inline bool 盤内(int x, int y) { return x >= 1 && x <= BAN_MAX && y >= 1 && y <= BAN_MAX; }

// A bottom ray: counts the first occupied square and ends there, except at
// the top king, which it marks as in check and runs through.
template <int dx, int dy>
void 下の光線(EngineState& s, int d, int x, int y) {
  for (int tx = x + dx, ty = y + dy; 盤内(tx, ty); tx += dx, ty += dy) {
    下の一歩(s, d, x, y, tx, ty);
    const int b = s.BAN[tx][ty];
    if (b == KARA) continue;
    if (b != OU) return;
    for (int cx = tx - dx, cy = ty - dy; cx != x || cy != y; cx -= dx, cy -= dy) s.SITA_OUTE[cx][cy] = 1;
    s.SITA_OUTE[x][y] = 9;
  }
}

// A top ray: defence and capture both with place; runs through the bottom king.
template <int dx, int dy>
void 上の光線(EngineState& s, int d, int x, int y) {
  for (int tx = x + dx, ty = y + dy; 盤内(tx, ty); tx += dx, ty += dy) {
    上の一歩<守 | 守場所 | 取 | 取場所>(s, d, x, y, tx, ty);
    const int b = s.BAN[tx][ty];
    if (b == KARA) continue;
    if (b != -OU) return;
    for (int cx = tx - dx, cy = ty - dy; cx != x || cy != y; cx -= dx, cy -= dy) s.UE_OUTE[cx][cy] = 1;
    s.UE_OUTE[x][y] = 9;
  }
}

template <int dx, int dy>
void 直進(EngineState& s, int code, int x, int y) {
  if (code < 0)
    下の光線<dx, dy>(s, code, x, y);
  else
    上の光線<dx, dy>(s, code, x, y);
}

}  // namespace

void 勢力確定上直進(EngineState& s, int code, int x, int y) { 直進<0, -1>(s, code, x, y); }
void 勢力確定下直進(EngineState& s, int code, int x, int y) { 直進<0, 1>(s, code, x, y); }
void 勢力確定右直進(EngineState& s, int code, int x, int y) { 直進<1, 0>(s, code, x, y); }
void 勢力確定左直進(EngineState& s, int code, int x, int y) { 直進<-1, 0>(s, code, x, y); }

void 勢力確定自金(EngineState& s, int code, int x, int y) {
  if (y >= 2) {
    下の一歩_王手(s, code, x, y, x, y - 1);
    if (x >= 2) 下の一歩_王手(s, code, x, y, x - 1, y - 1);
    if (x <= 8) 下の一歩_王手(s, code, x, y, x + 1, y - 1);
  }
  if (y <= 8) 下の一歩_王手(s, code, x, y, x, y + 1);
  if (x >= 2) 下の一歩_王手(s, code, x, y, x - 1, y);
  if (x <= 8) 下の一歩_王手(s, code, x, y, x + 1, y);
}

// Every top gold-mover records 110 and no place, and never counts as a
// capturer in UE_TORI.
void 勢力確定敵金(EngineState& s, int x, int y) {
  constexpr unsigned parts = 守 | 王手;
  if (y >= 2) 上の一歩<parts>(s, KIN, x, y, x, y - 1);
  if (y <= 8) {
    上の一歩<parts>(s, KIN, x, y, x, y + 1);
    if (x >= 2) 上の一歩<parts>(s, KIN, x, y, x - 1, y + 1);
    if (x <= 8) 上の一歩<parts>(s, KIN, x, y, x + 1, y + 1);
  }
  if (x >= 2) 上の一歩<parts>(s, KIN, x, y, x - 1, y);
  if (x <= 8) 上の一歩<parts>(s, KIN, x, y, x + 1, y);
}

// The bottom bishop and promoted bishop both record -800 on their rays.
void 勢力確定自角(EngineState& s, int x, int y) {
  下の光線<-1, -1>(s, -KAKU, x, y);
  下の光線<1, -1>(s, -KAKU, x, y);
  下の光線<-1, 1>(s, -KAKU, x, y);
  下の光線<1, 1>(s, -KAKU, x, y);
}

void 勢力確定敵角(EngineState& s, int code, int x, int y) {
  上の光線<-1, -1>(s, code, x, y);
  上の光線<1, -1>(s, code, x, y);
  上の光線<-1, 1>(s, code, x, y);
  上の光線<1, 1>(s, code, x, y);
}

}  // namespace velmora
