// The two handicap buttons "△" and "▽": one step of the ladder each, only
// before the first move of a game.
#include "ui/handicap_menu.hpp"

#include "com/handicap.hpp"
#include "options/sound.hpp"
#include "record/moves.hpp"
#include "record/record.hpp"
#include "ui/drawing.hpp"
#include "ui/form.hpp"
#include "ui/labels.hpp"

namespace velmora {

namespace {

void ハンデ_押下(Form1& f, int step) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);

  int reason = 0;
  if (f.game.KIFU_MODE == YES)
    reason = 1;
  else if (f.game.TESUU > 0)
    reason = 2;
  else if (f.game.HANTEN == YES)
    reason = 3;
  if (reason != 0) {
    効果音(f, Sound::KINSHI);
    描画_メッセージ(f, reason);
    return;
  }

  f.game.TESUU_MAX = 0;
  if (auto change = ハンデ_一段(f.pos, f.game.HANDE_LEVEL, step)) {
    描画_ハンデレベル(f, f.game.HANDE_LEVEL);
    描画_絵(f, change->code, change->x, change->y);
    描画_桝輪郭(f, IRO_WAKU, change->x, change->y);
    効果音(f, Sound::KOMAUCHI);
  }
  // Set even at either end of the ladder: the rank is shown from now on.
  f.game.HANDE_SETTEI = YES;
  表示_棋譜(f);
}

}  // namespace

void LBEL_UP_Click(Form1& f) { ハンデ_押下(f, +1); }
void LEBEL_DOWN_Click(Form1& f) { ハンデ_押下(f, -1); }

}  // namespace velmora
