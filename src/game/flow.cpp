// Setting the board up for a new game and starting games.
#include "game/flow.hpp"

#include <algorithm>

#include "game/computer.hpp"
#include "game/state.hpp"

namespace velmora {

namespace {

void 開始を知らせる(対局の場& f) {
  対局の知らせ e;
  e.種類 = 出来事::対局開始;
  e.側 = f.game.TEBAN;
  知らせる(f, e);
}

// Against the computer the game goes on from the move the board shows: after
// a reversal TESUU_HYOJI keeps counting while the record starts again at 0,
// and the record must end where the game goes on, which is TESUU. At the live
// end of a game the position on the board is stored nowhere yet: it is stored
// there first, with both clocks as they stand, so that the record's end holds
// the board (and a save, the move list and 戻 read what the game played).
void 記録をここまでに(対局の場& f) {
  if (f.game.TESUU == f.game.TESUU_MAX + 1)
    手順保存(f.record, f.game, f.pos, f.clock.MAN_JIKAN, f.clock.MAN_JIKAN, f.clock.COM_JIKAN,
             f.clock.COM_JIKAN);
  f.game.TESUU_MAX = f.game.TESUU;
  if (f.moves.手.size() > std::size_t(std::max(f.game.TESUU, 0)))
    f.moves.手.resize(std::max(f.game.TESUU, 0));
}

// A game against the computer going on from the board: the human is told
// it is their move, or the computer moves.
void 続ける(対局の場& f) {
  開始を知らせる(f);
  if (f.game.TEBAN == f.game.MAN_TEBAN) {
    f.p.dialogs->message(tr(f.lang, "MANの番です"), tr(f.lang, "対局"));
    f.game.SAIKAI_MSG = false;
  } else if (f.game.TEBAN == f.game.COM_TEBAN) {
    com_ban(f);
  }
}

}  // namespace

void 初期設定(対局の場& f) {
  局面_初期化(f.pos, f.game);
  f.clock.刻む = false;
  f.clock.MAN_JIKAN = 0;
  f.clock.COM_JIKAN = 0;
  f.clock.KEIKA_HYOJI_BYOU = 0;
  対局の知らせ e;
  e.種類 = 出来事::初期化;
  知らせる(f, e);
}

void 対局開始_人間同士(対局の場& f) {
  f.clock.KAISI_JIKOKU = f.p.clock->now();
  if (f.options.KEIKA) f.clock.刻む = true;
  f.game.TAISEN_MODE = MODE_MAN_MAN;
  if (f.game.TEBAN == TEBAN_NASI || f.game.TESUU_HYOJI == 0) {
    f.game.MAN_TEBAN = 1;
    f.game.COM_TEBAN = -1;
    f.game.TEBAN = 1;
  }
  開始を知らせる(f);
  if (f.game.TEBAN == 1)
    f.p.dialogs->message(tr(f.lang, "先手の番です"), " ");
  else if (f.game.TEBAN == -1)
    f.p.dialogs->message(tr(f.lang, "後手の番です"), " ");
  f.game.SAIKAI_MSG = false;
}

void 対局開始_先手(対局の場& f) {
  f.game.TAISEN_MODE = MODE_MAN_COM;
  f.game.KIFU_MODE = false;
  記録をここまでに(f);
  f.clock.KAISI_JIKOKU = f.p.clock->now();
  f.clock.刻む = true;
  if (f.game.TEBAN == TEBAN_NASI || f.game.TESUU_HYOJI == 0) {
    f.game.MAN_TEBAN = 1;
    f.game.COM_TEBAN = -1;
    f.game.TEBAN = 1;
    開始を知らせる(f);
    f.p.dialogs->message(tr(f.lang, "MANの番です"), " ");
    f.game.SAIKAI_MSG = false;
    return;
  }
  // The human's move: the human becomes the first player.
  if (f.game.TEBAN == f.game.MAN_TEBAN) {
    f.game.MAN_TEBAN = 1;
    f.game.COM_TEBAN = -1;
    f.game.TEBAN = 1;
  }
  続ける(f);
}

bool 対局中(const 対局& g) { return g.TEBAN != TEBAN_NASI && g.SYOUSYA == 0 && !g.KIFU_MODE; }

bool 投了する(対局の場& f) {
  if (!対局中(f.game)) return false;
  if (!f.p.dialogs->yes_no(tr(f.lang, "投了しますか？"), tr(f.lang, "投了"))) return false;
  const bool com = f.game.TAISEN_MODE == MODE_MAN_COM;
  const int resigning = com ? f.game.MAN_TEBAN : f.game.TEBAN;
  f.clock.刻む = false;
  f.game.SYOUSYA = -resigning;
  対局の知らせ e;
  e.種類 = 出来事::終局;
  e.側 = f.game.SYOUSYA;
  e.理由 = 終局の理由::投了;
  知らせる(f, e);
  // The winner's words as a king taken would have them.
  if (com)
    f.p.dialogs->message(tr(f.lang, "ｺﾝﾋﾟｭｰﾀの勝ちです"), tr(f.lang, "終了"));
  else if (f.game.SYOUSYA == f.game.MAN_TEBAN)
    f.p.dialogs->message(tr(f.lang, "先手の勝ちです"), tr(f.lang, "終了"));
  else
    f.p.dialogs->message(tr(f.lang, "後手の勝ちです"), tr(f.lang, "終了"));
  return true;
}

void 対局開始_後手(対局の場& f) {
  f.clock.刻む = true;
  f.game.TAISEN_MODE = MODE_MAN_COM;
  f.game.KIFU_MODE = false;
  記録をここまでに(f);
  if (f.game.TEBAN == TEBAN_NASI || f.game.TESUU_HYOJI == 0) {
    // A new game: the computer is the first player and moves.
    f.game.MAN_TEBAN = -1;
    f.game.COM_TEBAN = 1;
    f.game.TEBAN = 1;
  }
  続ける(f);
}

}  // namespace velmora
