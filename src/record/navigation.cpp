// Stepping through the stored snapshots ("戻", "進"), starting again ("最初")
// and turning the board round ("反転").
#include "record/navigation.hpp"

#include <vector>

#include "com/probes.hpp"
#include "options/sound.hpp"
#include "record/moves.hpp"
#include "record/record.hpp"
#include "ui/clock.hpp"
#include "ui/drawing.hpp"
#include "ui/form.hpp"
#include "ui/labels.hpp"
#include "ui/startup.hpp"

namespace velmora {

namespace {

// BAN and both hands from snapshot k, and the hand totals to match.
void 局面_復元(局面& p, const 対局& g, const 棋譜局面& k) {
  盤と持駒_復元(p, k);
  p.UE_MOTI_SU = 調査_持駒数(p, g, g.COM_TEBAN);
  p.SITA_MOTI_SU = 調査_持駒数(p, g, g.MAN_TEBAN);
}

// Move t of the record as the game stands now (nothing known past its end).
棋譜の手 手_番号(Form1& f, int t) {
  const std::vector<棋譜の手>& moves = 棋譜_指し手一覧(f);
  return t >= 1 && t <= static_cast<int>(moves.size()) ? moves[t - 1] : 棋譜の手{};
}

// The slot of the last-move text of the side that made move m.
int 手の側(const Form1& f, const 棋譜の手& m) { return m.下 ? f.game.MAN_TEBAN : f.game.COM_TEBAN; }

void 盤_描画(Form1& f) {
  描画_自持盤(f);
  描画_敵持盤(f);
  描画_盤(f);
}

// Both thinking totals as a snapshot stored them, shown at once.
void 時間_復元(Form1& f, double com, double man) {
  f.clock.COM_JIKAN = com;
  描画_所有時間(f, f.game.COM_TEBAN, f.clock.COM_JIKAN);
  f.clock.MAN_JIKAN = man;
  描画_所有時間(f, f.game.MAN_TEBAN, f.clock.MAN_JIKAN);
}

// The board turned by 180 degrees, every piece changing sides, and the hands
// swapped. The hand totals and the king squares follow the turned position
// (a king not on the board keeps its old square); the influence maps are left
// for the next survey.
void 局面_反転(局面& p) {
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
  p.SITA_MOTI_SU = 0;
  p.UE_MOTI_SU = 0;
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    if (p.SITA_MOTI[k] > 0) p.SITA_MOTI_SU += p.SITA_MOTI[k];
    if (p.UE_MOTI[k] > 0) p.UE_MOTI_SU += p.UE_MOTI[k];
  }
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      if (p.BAN[x][y] == -OU) {
        p.SITA_OU_X = x;
        p.SITA_OU_Y = y;
      } else if (p.BAN[x][y] == OU) {
        p.UE_OU_X = x;
        p.UE_OU_Y = y;
      }
    }
}

}  // namespace

void REPLAY_Click(Form1& f) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
  f.game.SAIKAI_MSG = YES;
  if (f.game.TESUU < 1) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message(tr(f.lang, "できません"), tr(f.lang, "戻る"));
    return;
  }
  f.pick.SENTAKU = 0;
  f.clock.Timer1_Enabled = false;
  描画_将棋盤桝(f);
  消去_思考中(f);

  // The move taken back, worked out while the position after it is still
  // there (during play it is stored nowhere else).
  const 棋譜の手 back = 手_番号(f, f.game.TESUU);
  const int t = f.game.TESUU - 1;
  局面_復元(f.pos, f.game, f.record[t]);
  時間_復元(f, f.record[t].COM_JIKAN, f.record[t].MAN_JIKAN);
  盤_描画(f);

  // Its text goes from the slot of the side that made it.
  効果音(f, Sound::KOMAUCHI);
  消去_移動結果(f, 手の側(f, back));

  f.game.TESUU -= 1;
  f.game.TESUU_HYOJI -= 1;
  f.game.TEBAN = -f.game.TEBAN;
  描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);
  表示_棋譜(f);
}

void AFTER_Click(Form1& f) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
  if (f.game.TEBAN == TEBAN_NASI) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message(tr(f.lang, "「対局」で始めて下さい"), tr(f.lang, "開始"));
    return;
  }
  // Set before the test below: a step refused at the last stored move still
  // interrupts the game.
  f.game.SAIKAI_MSG = YES;
  if (f.game.TESUU >= f.game.TESUU_MAX) {
    if (f.game.KIFU_MODE == YES) {
      // TRANSLATORS: "進" at the end of a loaded record.
      f.p.dialogs->message(tr(f.lang, "棋譜の終わり", "終わり"), tr(f.lang, "進む"));
    } else {
      効果音(f, Sound::KINSHI);
      f.p.dialogs->message(tr(f.lang, "できません"), tr(f.lang, "進む"));
    }
    return;
  }
  消去_思考中(f);
  f.pick.SENTAKU = 0;
  f.clock.Timer1_Enabled = false;
  描画_将棋盤桝(f);

  // The move about to be shown, with the side that made it.
  const 棋譜の手 next = 手_番号(f, f.game.TESUU + 1);
  f.game.TESUU += 1;
  f.game.TESUU_HYOJI += 1;
  描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);

  const int t = f.game.TESUU;
  局面_復元(f.pos, f.game, f.record[t]);
  // The totals before the move after snapshot t, as 戻 restores them: a
  // position shows the same clocks however it was reached, and a game resumed
  // from it books the next move's time once.
  時間_復元(f, f.record[t].COM_JIKAN, f.record[t].MAN_JIKAN);
  盤_描画(f);

  // In the slot of the side that made it: the piece that side moved, never
  // the other side's piece that jumped with it. A move that cannot be worked
  // out (an identical snapshot, an impossible record) has no text: its slot
  // is cleared.
  効果音(f, Sound::KOMAUCHI);
  if (next.分かる)
    描画_移動結果(f, 手の側(f, next), next.手.x2, next.手.y2, next.手.placed, IRO_KEKKA);
  else
    消去_移動結果(f, 手の側(f, next));

  f.game.TEBAN = -f.game.TEBAN;
  描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);
  表示_棋譜(f);
}

void CANCEL_Click(Form1& f) {
  初期設定(f);
  効果音(f, Sound::KOMAUCHI);
}

void REVERSE_Click(Form1& f) {
  if (f.game.KIFU_MODE == YES) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message(tr(f.lang, "棋譜ﾓｰﾄﾞではできません"), tr(f.lang, "反転"));
    return;
  }
  f.game.HANTEN = YES;
  f.pick.SENTAKU = 0;

  局面_反転(f.pos);

  画面_再描画(f);
  描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);
  if (f.game.HANDE_SETTEI == YES) {
    f.game.HANDE_LEVEL = -f.game.HANDE_LEVEL;
    描画_ハンデレベル(f, f.game.HANDE_LEVEL);
  }
  効果音(f, Sound::KOMAUCHI);
  f.game.TEBAN = -f.game.TEBAN;
  f.game.TESUU = 0;
  f.game.TESUU_MAX = 0;
  表示_棋譜(f);
}

}  // namespace velmora
