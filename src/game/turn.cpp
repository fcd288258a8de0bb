// A move in the game: the one procedure that makes one, and what follows it
// for each kind of game.
#include "game/turn.hpp"

#include <cassert>

#include "game/computer.hpp"
#include "game/state.hpp"
#include "rules/mate.hpp"
#include "rules/survey.hpp"

namespace velmora {

namespace {

void 知らせる(対局の場& f, 出来事 kind, int side, const 棋譜の手* m = nullptr) {
  対局の知らせ e;
  e.種類 = kind;
  e.側 = side;
  if (m) e.手 = *m;
  知らせる(f, e);
}

// The end of the game; a king taken is told with the move that took it.
void 終局を知らせる(対局の場& f, int winner, 終局の理由 why) {
  対局の知らせ e;
  e.種類 = 出来事::終局;
  e.側 = winner;
  e.理由 = why;
  if (why == 終局の理由::王を取った && !f.moves.手.empty()) e.手 = f.moves.手.back();
  知らせる(f, e);
}

// The move on the position with its mirror jump; a king taken decides the
// game. Returns the captured code. No piece is made or lost (checked in
// builds with assertions).
int 盤上で指す(対局の場& f, const 指し手& m) {
  [[maybe_unused]] const int pieces = 駒の数(f.pos);
  const int captured = 駒移動(f.pos, m);
  王取り(f.game, captured);
  // The bottom king's square moves with the king, whether it moves or jumps:
  // between two humans no survey follows to find it.
  if (m.placed == -OU) {
    f.maps.SITA_OU_X = m.x2;
    f.maps.SITA_OU_Y = m.y2;
  }
  const bool king_may_jump = 盤内(m.x1) && f.pos.BAN[相対位置(m.x1)][相対位置(m.y1)] == -OU;
  駒移動_相対駒(f.pos, m);
  if (king_may_jump && f.pos.BAN[相対位置(m.x2)][相対位置(m.y2)] == -OU) {
    f.maps.SITA_OU_X = 相対位置(m.x2);
    f.maps.SITA_OU_Y = 相対位置(m.y2);
  }

  // A king taken goes to no hand; every other piece stays in the game.
  assert(駒の数(f.pos) + (captured == OU || captured == -OU ? 1 : 0) == pieces &&
         "a move made or lost a piece");
  assert(f.pos.整合() && "a move left a position no game can reach");
  return captured;
}

// Between two humans the turn simply passes; only a taken king ends the game.
void 人間同士の次(対局の場& f) {
  思考時計& c = f.clock;
  if (f.game.TEBAN == TEBAN_SENTE) {
    f.game.TEBAN = TEBAN_GOTE;
    c.MAN_JIKAN += c.KEIKA_BYOU;
  } else if (f.game.TEBAN == TEBAN_GOTE) {
    f.game.TEBAN = TEBAN_SENTE;
    c.COM_JIKAN += c.KEIKA_BYOU;
  }
  c.KAISI_JIKOKU = f.p.clock->now();
  if (f.game.SYOUSYA != 0) 終局を知らせる(f, f.game.SYOUSYA, 終局の理由::王を取った);
  if (f.game.SYOUSYA == f.game.MAN_TEBAN)
    f.p.dialogs->message(tr(f.lang, "先手の勝ちです"), tr(f.lang, "終了"));
  else if (f.game.SYOUSYA == f.game.COM_TEBAN)
    f.p.dialogs->message(tr(f.lang, "後手の勝ちです"), tr(f.lang, "終了"));
  if (f.game.SYOUSYA == 0) 知らせる(f, 出来事::手番, f.game.TEBAN);
}

// The human's move against the computer: the human's clock stops, and the
// computer is mated, has lost its king, or replies.
void 人間の次(対局の場& f, int captured) {
  思考時計& c = f.clock;
  c.刻む = false;
  c.MAN_JIKAN += c.KEIKA_BYOU;
  勢力調査(f.pos, f.maps);
  // The mate test always runs first, also after the top king was taken: its
  // tentative surveys leave maps behind that the computer's next search reads.
  // Without a top king on the board it looks at the last king square found,
  // which is a square of the board (or (0, 0), never attacked).
  const bool mated = 詰めかCOM(f.pos, f.maps) == YES;
  if (mated || captured == OU) {
    f.game.SYOUSYA = f.game.MAN_TEBAN;
    終局を知らせる(f, f.game.SYOUSYA, captured == OU ? 終局の理由::王を取った : 終局の理由::詰み);
    f.p.dialogs->message(tr(f.lang, "あなたの勝ちです"), tr(f.lang, "終了"));
    return;
  }
  f.game.TEBAN = f.game.COM_TEBAN;
  知らせる(f, 出来事::手番, f.game.TEBAN);
  com_ban(f);
}

// The computer's move: its king capture wins; otherwise the human hears of
// mate or check and is to move, with the clock running again.
void COMの次(対局の場& f, const 棋譜の手& m) {
  思考時計& c = f.clock;
  c.刻む = false;
  勢力調査(f.pos, f.maps);
  // A captured king is looked at first: the stale king square could make the
  // mate test answer for a king that is no longer on the board.
  if (f.game.SYOUSYA == f.game.COM_TEBAN) {
    終局を知らせる(f, f.game.COM_TEBAN, 終局の理由::王を取った);
    f.p.dialogs->message(tr(f.lang, "ｺﾝﾋﾟｭｰﾀの勝ちです"), tr(f.lang, "終了"));
    f.game.TEBAN = f.game.MAN_TEBAN;
    return;
  }
  if (詰めかMAN(f.pos, f.maps) == YES)
    f.p.dialogs->message(tr(f.lang, "よし！!"), tr(f.lang, "詰め ?"));
  else if (f.maps.UE_SEIRYOKU[f.maps.SITA_OU_X][f.maps.SITA_OU_Y] > 0)
    f.p.dialogs->message(tr(f.lang, "   ** 王手 **"), "");

  c.COM_JIKAN += c.KEIKA_BYOU;
  c.KAISI_JIKOKU = f.p.clock->now();
  f.game.TEBAN = f.game.MAN_TEBAN;
  if (f.options.KEIKA) c.刻む = true;
  知らせる(f, 出来事::思考終了, f.game.COM_TEBAN, &m);
  知らせる(f, 出来事::手番, f.game.TEBAN);
}

}  // namespace

bool COMの手番(const 対局の場& f) {
  return f.game.TAISEN_MODE == MODE_MAN_COM && f.game.TEBAN == f.game.COM_TEBAN;
}

bool 手数の上限(対局の場& f) {
  if (f.game.TESUU < KIFU_T_MAX) return false;
  if (!COMの手番(f)) 効果音(f, Sound::KINSHI);
  f.p.dialogs->message(tr(f.lang, "これ以上指すことはできません（500手）"), tr(f.lang, "手数"));
  return true;
}

bool 一手を指す(対局の場& f, const 指し手& m) {
  if (手数の上限(f)) return false;
  const bool com = COMの手番(f);
  const int side = f.game.TEBAN;

  // The move's time goes to the total that its turn change adds to: the
  // computer's, or between two humans the second player's when it moves.
  思考時計& c = f.clock;
  const bool top_clock = com || (f.game.TAISEN_MODE == MODE_MAN_MAN && f.game.TEBAN == TEBAN_GOTE);
  if (f.game.TESUU == 0) f.moves.先手 = f.game.TEBAN == f.game.MAN_TEBAN ? -1 : 1;
  手順保存(f.record, f.game, f.pos, c.MAN_JIKAN, top_clock ? c.MAN_JIKAN : c.MAN_JIKAN + c.KEIKA_BYOU,
           c.COM_JIKAN, top_clock ? c.COM_JIKAN + c.KEIKA_BYOU : c.COM_JIKAN);
  f.game.TESUU_HYOJI += 1;

  const 棋譜の手 written = 記す_指し手(f.pos, m, 下の駒(m.placed));
  手順_記録(f.moves, f.game.TESUU, written);
  if (com) 知らせる(f, 出来事::着手予告, side, &written);
  const int captured = 盤上で指す(f, m);
  f.game.TESUU += 1;
  知らせる(f, 出来事::指した, side, &f.moves.手.back());
  if (const int sign = 上の駒(m.placed) ? -1 : 1; 王手されている(f.pos, sign))
    知らせる(f, 出来事::王手, sign == -1 ? f.game.MAN_TEBAN : f.game.COM_TEBAN);
  // The computer's piece rests a moment before it sounds.
  if (com) 待ち時間(f, 0.5);
  効果音(f, Sound::KOMAUCHI);

  if (f.game.TAISEN_MODE == MODE_MAN_MAN)
    人間同士の次(f);
  else if (com)
    COMの次(f, f.moves.手.back());
  else
    人間の次(f, captured);
  return true;
}

}  // namespace velmora
