// Stepping through the stored snapshots ("戻", "進"), starting again ("最初")
// and turning the board round ("反転").
#include "record/navigation.hpp"

#include "com/probes.hpp"
#include "options/sound.hpp"
#include "record/record.hpp"
#include "ui/clock.hpp"
#include "ui/drawing.hpp"
#include "ui/form.hpp"
#include "ui/labels.hpp"
#include "ui/startup.hpp"

namespace velmora {

namespace {

// BAN and both hands from snapshot t, and the hand totals to match.
void 局面_復元(Form1& f, int t) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) f.BAN[x][y] = f.KIFU_BAN[t][x][y];
  for (int k = 1; k <= 7; ++k) {
    f.SITA_MOTI[k] = f.KIFU_SITA_MOTI[t][k];
    f.UE_MOTI[k] = f.KIFU_UE_MOTI[t][k];
  }
  f.UE_MOTI_SU = 調査_持駒数(f, f.COM_TEBAN);
  f.SITA_MOTI_SU = 調査_持駒数(f, f.MAN_TEBAN);
}

void 盤_描画(Form1& f) {
  描画_自持盤(f);
  描画_敵持盤(f);
  描画_盤(f);
}

// Both thinking totals as a snapshot stored them, shown at once.
void 時間_復元(Form1& f, double com, double man) {
  f.COM_JIKAN = com;
  描画_所有時間(f, f.COM_TEBAN, f.COM_JIKAN);
  f.MAN_JIKAN = man;
  描画_所有時間(f, f.MAN_TEBAN, f.MAN_JIKAN);
}

}  // namespace

void REPLAY_Click(Form1& f) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
  f.SAIKAI_MSG = YES;
  if (f.TESUU < 1) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message("できません", "戻る");
    return;
  }
  f.SENTAKU = 0;
  f.Timer1_Enabled = false;
  描画_将棋盤桝(f);
  消去_思考中(f);

  const int t = f.TESUU - 1;
  局面_復元(f, t);
  時間_復元(f, f.KIFU_COM_JIKAN[t], f.KIFU_MAN_JIKAN[t]);
  盤_描画(f);

  // The text of the move taken back goes: the side is told by the piece that
  // arrived with it (none found: the bottom side's text).
  int x = 0, y = 0, p = 0;
  調査_移動結果(f, f.TESUU, x, y, p);
  効果音(f, Sound::KOMAUCHI);
  消去_移動結果(f, p > 0 ? f.COM_TEBAN : f.MAN_TEBAN);

  f.TESUU -= 1;
  f.TESUU_HYOJI -= 1;
  f.TEBAN = -f.TEBAN;
  描画_手数(f, f.TESUU_HYOJI, IRO_MOJI);
}

void AFTER_Click(Form1& f) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
  if (f.TEBAN == TEBAN_NASI) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message("「対局」で始めて下さい", "開始");
    return;
  }
  // Set before the test below: a step refused at the last stored move still
  // interrupts the game.
  f.SAIKAI_MSG = YES;
  if (f.TESUU >= f.TESUU_MAX) {
    if (f.KIFU_MODE == YES) {
      f.p.dialogs->message("終わり", "進む");
    } else {
      効果音(f, Sound::KINSHI);
      f.p.dialogs->message("できません", "進む");
    }
    return;
  }
  消去_思考中(f);
  f.SENTAKU = 0;
  f.Timer1_Enabled = false;
  描画_将棋盤桝(f);

  f.TESUU += 1;
  f.TESUU_HYOJI += 1;
  描画_手数(f, f.TESUU_HYOJI, IRO_MOJI);

  const int t = f.TESUU;
  局面_復元(f, t);
  // The totals come from the "after" times of snapshot t, as they always have.
  時間_復元(f, f.KIFU_COM_JIKAN2[t], f.KIFU_MAN_JIKAN2[t]);
  盤_描画(f);

  int x = 0, y = 0, p = 0;
  調査_移動結果(f, t, x, y, p);
  効果音(f, Sound::KOMAUCHI);
  描画_移動結果(f, p > 0 ? f.COM_TEBAN : f.MAN_TEBAN, x, y, p, IRO_KEKKA);

  f.TEBAN = -f.TEBAN;
  描画_手数(f, f.TESUU_HYOJI, IRO_MOJI);
}

void CANCEL_Click(Form1& f) {
  初期設定(f);
  効果音(f, Sound::KOMAUCHI);
}

void REVERSE_Click(Form1& f) {
  if (f.KIFU_MODE == YES) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message("棋譜ﾓｰﾄﾞではできません", "反転");
    return;
  }
  f.HANTEN = YES;
  f.SENTAKU = 0;

  // Turn the board by 180 degrees; every piece changes sides.
  int T[10][10];
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) T[x][y] = f.BAN[x][y];
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int m = T[x][y];
      f.BAN[10 - x][10 - y] = (m <= -HU || m >= HU) ? -m : m;
    }
  for (int k = 1; k <= 7; ++k) {
    const int a = f.SITA_MOTI[k];
    f.SITA_MOTI[k] = f.UE_MOTI[k];
    f.UE_MOTI[k] = a;
  }
  // The hand totals and the king squares follow the turned position; the
  // influence maps are left for the next survey.
  f.SITA_MOTI_SU = 0;
  f.UE_MOTI_SU = 0;
  for (int k = 1; k <= 7; ++k) {
    if (f.SITA_MOTI[k] > 0) f.SITA_MOTI_SU += f.SITA_MOTI[k];
    if (f.UE_MOTI[k] > 0) f.UE_MOTI_SU += f.UE_MOTI[k];
  }
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (f.BAN[x][y] == -OU) {
        f.SITA_OU_X = x;
        f.SITA_OU_Y = y;
      } else if (f.BAN[x][y] == OU) {
        f.UE_OU_X = x;
        f.UE_OU_Y = y;
      }
    }

  画面_再描画(f);
  描画_手数(f, f.TESUU_HYOJI, IRO_MOJI);
  if (f.HANDE_SETTEI == YES) {
    f.HANDE_LEVEL = -f.HANDE_LEVEL;
    描画_ハンデレベル(f, f.HANDE_LEVEL);
  }
  効果音(f, Sound::KOMAUCHI);
  f.TEBAN = -f.TEBAN;
  f.TESUU = 0;
  f.TESUU_MAX = 0;
}

}  // namespace velmora
