// The menus of the game, as the player clicks them: each puts the record
// panel away, has the game do what the item says, and lets go of a pick.
#include "input/game_menu.hpp"

#include "game/autosave.hpp"
#include "game/clock.hpp"
#include "game/computer.hpp"
#include "game/flow.hpp"
#include "game/handicap.hpp"
#include "game/navigation.hpp"
#include "input/record_panel.hpp"
#include "input/state.hpp"
#include "view/drawing.hpp"
#include "view/labels.hpp"

namespace velmora {

namespace {

void レベル_選択(入力の場& f, int n) {
  // Repaint the strip left of the board where the level is shown.
  for (int c = -2; c <= 0; ++c) 描画_絵(f, f.options.HAIKEI, c, 0);
  レベル_設定(f, n);
  if (f.game.TAISEN_MODE == MODE_MAN_COM) 描画_レベル(f, f.game.COM_LEVEL);
}

}  // namespace

void MATCH_MAN_Click(入力の場&) {}

void START_Click(入力の場& f) {
  if (f.game.SYOUSYA != 0) {
    初期設定(f);
    f.p.canvas->repaint_now();
  }
  対局開始_人間同士(f);
}

void SENTE_Click(入力の場& f) {
  if (f.game.SYOUSYA != 0) 初期設定(f);
  f.pick.SENTAKU = false;
  対局開始_先手(f);
}

void GOTE_Click(入力の場& f) {
  if (f.game.SYOUSYA != 0) 初期設定(f);
  f.pick.SENTAKU = false;
  対局開始_後手(f);
}

void LEVEL1_Click(入力の場& f) { レベル_選択(f, 1); }
void LEVEL2_Click(入力の場& f) { レベル_選択(f, 2); }
void LEVEL3_Click(入力の場& f) { レベル_選択(f, 3); }
void LEVEL4_Click(入力の場& f) { レベル_選択(f, 4); }
void LEVEL5_Click(入力の場& f) { レベル_選択(f, 5); }

void HINT_Click(入力の場& f) { ヒント(f); }

void REPLAY_Click(入力の場& f) {
  棋譜欄を閉じる(f);
  if (戻る(f)) f.pick.SENTAKU = false;
}

void AFTER_Click(入力の場& f) {
  棋譜欄を閉じる(f);
  if (進む(f)) f.pick.SENTAKU = false;
}

void CANCEL_Click(入力の場& f) {
  初期設定(f);
  効果音(f, Sound::KOMAUCHI);
}

void REVERSE_Click(入力の場& f) {
  if (反転する(f)) f.pick.SENTAKU = false;
}

void LBEL_UP_Click(入力の場& f) {
  棋譜欄を閉じる(f);
  ハンデ_押下(f, +1);
}

void LEBEL_DOWN_Click(入力の場& f) {
  棋譜欄を閉じる(f);
  ハンデ_押下(f, -1);
}

void TOURYOU_Click(入力の場& f) {
  if (投了する(f)) f.pick.SENTAKU = false;
}

void SHINKI_Click(入力の場& f) {
  if (対局中(f.game) && 続きのある対局(f.game) &&
      !f.p.dialogs->yes_no(tr(f.lang, "対局を終了して新しく始めますか？"), tr(f.lang, "新規対局")))
    return;
  // The kind of the game on the board, before 最初 forgets it.
  const bool com = f.game.TAISEN_MODE == MODE_MAN_COM;
  const bool human_first = f.game.MAN_TEBAN == 1;
  CANCEL_Click(f);
  if (!com)
    START_Click(f);
  else if (human_first)
    SENTE_Click(f);
  else
    GOTE_Click(f);
}

void 時計の刻み(入力の場& f) { 時計_刻む(f); }

}  // namespace velmora
