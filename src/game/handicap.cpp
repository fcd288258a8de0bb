// The handicap ladder as the game climbs it.
#include "game/handicap.hpp"

#include <cassert>
#include <string>

#include "com/handicap.hpp"
#include "game/state.hpp"

namespace velmora {

namespace {

// Why a step is refused: 1 a loaded record, 2 a game under way, 3 a reversal.
void ハンデの断り(対局の場& f, int reason) {
  std::string text;
  switch (reason) {
    case 1: text = tr(f.lang, "棋譜ﾓｰﾄﾞではできません"); break;
    case 2: text = tr(f.lang, "対局途中ではできません"); break;
    case 3: text = tr(f.lang, "反転後ではできません"); break;
    default: break;
  }
  // Two carriage returns without line feeds, as the box has always had.
  text += "\r\r";
  text += tr(f.lang, "局面→最初にして下さい");
  f.p.dialogs->message(text, tr(f.lang, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"));
}

}  // namespace

bool ハンデ_押下(対局の場& f, int step) {
  int reason = 0;
  if (f.game.KIFU_MODE)
    reason = 1;
  else if (f.game.TESUU > 0)
    reason = 2;
  else if (f.game.HANTEN)
    reason = 3;
  if (reason != 0) {
    効果音(f, Sound::KINSHI);
    ハンデの断り(f, reason);
    return false;
  }

  f.game.TESUU_MAX = 0;
  f.moves.手.clear();
  対局の知らせ e;
  e.種類 = 出来事::ハンデ;
  if (auto change = ハンデ_一段(f.pos, f.game.HANDE_LEVEL, step)) {
    e.x = change->x;
    e.y = change->y;
    効果音(f, Sound::KOMAUCHI);
  }
  assert(f.pos.整合() && "a handicap step made a position no game can reach");
  // Set even at either end of the ladder: the rank is shown from now on.
  f.game.HANDE_SETTEI = true;
  知らせる(f, e);
  return true;
}

}  // namespace velmora
