// Stepping through the stored snapshots ("戻", "進") and turning the board
// round ("反転").
#include "game/navigation.hpp"

#include <cassert>

#include "game/state.hpp"

namespace velmora {

namespace {

// BAN and both hands from snapshot k.
void 局面_復元(局面& p, const 棋譜局面& k) {
  盤と持駒_復元(p, k);
  assert(p.整合() && "a stored snapshot no game can reach");
}

// The turn value of the side that made move m.
int 手の側(const 対局の場& f, const 棋譜の手& m) { return m.下 ? f.game.MAN_TEBAN : f.game.COM_TEBAN; }

// Both thinking totals as a snapshot stored them.
void 時間_復元(対局の場& f, double com, double man) {
  f.clock.COM_JIKAN = com;
  f.clock.MAN_JIKAN = man;
}

void 歩みを知らせる(対局の場& f, 出来事 kind, const 棋譜の手& m) {
  対局の知らせ e;
  e.種類 = kind;
  e.側 = 手の側(f, m);
  e.手 = m;
  知らせる(f, e);
}

// The board turned by 180 degrees, every piece changing sides, and the hands
// swapped. The king squares the survey found follow the turned position (a
// king not on the board keeps its old square); the influence maps are left
// for the next survey.
void 局面_反転(局面& p, 勢力図& m) {
  盤面 T;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) T[x][y] = p.BAN[x][y];
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      const int c = T[x][y];
      p.BAN[相対位置(x)][相対位置(y)] = 上の駒(c) || 下の駒(c) ? -c : c;
    }
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    const int a = p.SITA_MOTI[k];
    p.SITA_MOTI[k] = p.UE_MOTI[k];
    p.UE_MOTI[k] = a;
  }
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      if (p.BAN[x][y] == -OU) {
        m.SITA_OU_X = x;
        m.SITA_OU_Y = y;
      } else if (p.BAN[x][y] == OU) {
        m.UE_OU_X = x;
        m.UE_OU_Y = y;
      }
    }
  assert(p.整合() && "a reversal made a position no game can reach");
}

}  // namespace

bool 戻る(対局の場& f) {
  f.game.SAIKAI_MSG = true;
  if (f.game.TESUU < 1) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message(tr(f.lang, "できません"), tr(f.lang, "戻る"));
    return false;
  }
  f.clock.刻む = false;
  // At the live end of a game the position after the newest move is stored
  // nowhere yet: it is stored now, with both clocks exactly as they stand, so
  // that 進 comes back to it and a save after the step keeps that move.
  if (!f.game.KIFU_MODE && f.game.TESUU == f.game.TESUU_MAX + 1)
    手順保存(f.record, f.game, f.pos, f.clock.MAN_JIKAN, f.clock.MAN_JIKAN, f.clock.COM_JIKAN,
             f.clock.COM_JIKAN);
  const 棋譜の手 back = 手順_番号(f.moves, f.game.TESUU);
  const int t = f.game.TESUU - 1;
  局面_復元(f.pos, f.record[t]);
  時間_復元(f, f.record[t].COM_JIKAN, f.record[t].MAN_JIKAN);
  効果音(f, Sound::KOMAUCHI);
  f.game.TESUU -= 1;
  f.game.TESUU_HYOJI -= 1;
  f.game.TEBAN = -f.game.TEBAN;
  歩みを知らせる(f, 出来事::戻した, back);
  return true;
}

bool 進む(対局の場& f) {
  if (f.game.TEBAN == TEBAN_NASI) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message(tr(f.lang, "「対局」で始めて下さい"), tr(f.lang, "開始"));
    return false;
  }
  // Set before the test below: a step refused at the last stored move still
  // interrupts the game.
  f.game.SAIKAI_MSG = true;
  if (f.game.TESUU >= f.game.TESUU_MAX) {
    if (f.game.KIFU_MODE) {
      // TRANSLATORS: "進" at the end of a loaded record.
      f.p.dialogs->message(tr(f.lang, "棋譜の終わり", "終わり"), tr(f.lang, "進む"));
    } else {
      効果音(f, Sound::KINSHI);
      f.p.dialogs->message(tr(f.lang, "できません"), tr(f.lang, "進む"));
    }
    return false;
  }
  f.clock.刻む = false;
  const 棋譜の手 next = 手順_番号(f.moves, f.game.TESUU + 1);
  f.game.TESUU += 1;
  f.game.TESUU_HYOJI += 1;
  const int t = f.game.TESUU;
  局面_復元(f.pos, f.record[t]);
  // The totals before the move after snapshot t, as 戻 restores them: a
  // position shows the same clocks however it was reached, and a game resumed
  // from it books the next move's time once.
  時間_復元(f, f.record[t].COM_JIKAN, f.record[t].MAN_JIKAN);
  効果音(f, Sound::KOMAUCHI);
  f.game.TEBAN = -f.game.TEBAN;
  歩みを知らせる(f, 出来事::進めた, next);
  return true;
}

bool 反転する(対局の場& f) {
  if (f.game.KIFU_MODE) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message(tr(f.lang, "棋譜ﾓｰﾄﾞではできません"), tr(f.lang, "反転"));
    return false;
  }
  f.game.HANTEN = true;
  局面_反転(f.pos, f.maps);
  if (f.game.HANDE_SETTEI) f.game.HANDE_LEVEL = -f.game.HANDE_LEVEL;
  効果音(f, Sound::KOMAUCHI);
  f.game.TEBAN = -f.game.TEBAN;
  f.game.TESUU = 0;
  f.game.TESUU_MAX = 0;
  f.moves.手.clear();
  対局の知らせ e;
  e.種類 = 出来事::反転;
  e.側 = f.game.TEBAN;
  知らせる(f, e);
  return true;
}

}  // namespace velmora
