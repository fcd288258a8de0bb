// The board on the window paints what it hears happen in the game.
#include "view/clock_display.hpp"
#include "view/drawing.hpp"
#include "view/labels.hpp"
#include "view/move_list.hpp"
#include "view/state.hpp"
#include "view/turn_status.hpp"

namespace velmora {

namespace {

// Where a loaded record's title and bottom player go: row 10, below the
// board, as far into the row as they always stood into row 9.
constexpr double 記録の行 = BAN_TOP + MASU_H * 10 + 40;

bool COMが指した(const 盤の場& f, int side) {
  return f.game.TAISEN_MODE == MODE_MAN_COM && side == f.game.COM_TEBAN;
}

void 盤_描画(盤の場& f) {
  描画_自持盤(f);
  描画_敵持盤(f);
  描画_盤(f);
}

void 時間_描画(盤の場& f) {
  描画_所有時間(f, f.game.COM_TEBAN, f.clock.COM_JIKAN);
  描画_所有時間(f, f.game.MAN_TEBAN, f.clock.MAN_JIKAN);
}

void 思考中を表示(盤の場& f) {
  消去_思考中(f);
  const std::string_view label = tr(f.lang, "思考中");
  描画_数値(f, -1.5, 8.5, label, IRO_KAGE, 0, 12);
  描画_数値(f, -1.6, 8.4, label, IRO_KEKKA, 0, 12);
  描画_桝輪郭(f, IRO_WAKU, 1, 8);
  f.p.canvas->repaint_now();
}

// The computer shows which piece it is about to move: the opposing piece its
// mirror move would drag is outlined, and its own piece (on the board or its
// stand) blinks twice.
void 着手を示す(盤の場& f, const 指し手& m) {
  描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);
  描画_桝輪郭_相対駒(f, m.x1, m.y1, m.moving);
  if (m.打ち())
    描画_駒点滅(f, m.placed, UE_DAI, 敵持盤の行(m.y1), 2);  // its place on the top side's stand
  else
    描画_駒点滅(f, m.moving, m.x1, m.y1, 2);
}

// The piece picture of code `id` as the window's piece set shows it.
int 絵の番号(const 盤の場& f, int id) {
  return f.options.KOKUSAI && 駒コード(id) ? id + (id > 0 ? 国際駒の絵 : -国際駒の絵) : id;
}

// The move and its mirror jump glide to their squares, already painted there.
void 滑らせる(盤の場& f, const 棋譜の手& t) {
  if (!f.options.ANIME) return;
  const 指し手& m = t.手;
  // A drop comes from its row of its side's stand.
  const int y1 = m.x1 == UE_DAI ? 敵持盤の行(m.y1) : m.y1;
  f.p.canvas->glide(絵の番号(f, m.placed), 座標_左(m.x1), 座標_上(y1), 座標_左(m.x2), 座標_上(m.y2),
                    絵の番号(f, t.取った駒));
  if (t.鏡) {
    const 指し手& j = t.鏡の手;
    f.p.canvas->glide(絵の番号(f, j.placed), 座標_左(j.x1), 座標_上(j.y1), 座標_左(j.x2), 座標_上(j.y2),
                      KARA);
  }
}

void 指した(盤の場& f, const 対局の知らせ& e) {
  const 指し手& m = e.手.手;
  const bool stands = m.打ち() || e.手.取った駒 != KARA;
  if (COMが指した(f, e.側)) {
    // The outline its announcement put on the piece its mirror move would
    // drag goes, whether that piece jumped or stayed.
    if (盤内(m.x1)) 描画_桝輪郭(f, IRO_WAKU, 相対位置(m.x1), 相対位置(m.y1));
    描画_指した升(f, m, e.手.鏡, e.手.鏡の手, stands);
    表示_棋譜(f);
    滑らせる(f, e.手);
    return;
  }
  // The human's pick and its guidance go: where the piece came from (a top
  // drop's stand row) and every square of the board.
  描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);
  描画_桝輪郭(f, IRO_KESU, m.x1, m.x1 == UE_DAI ? 敵持盤の行(m.y1) : m.y1);
  描画_将棋盤桝(f);
  描画_指した升(f, m, e.手.鏡, e.手.鏡の手, stands);
  描画_移動結果(f, 上の駒(m.placed) ? f.game.COM_TEBAN : f.game.MAN_TEBAN, m.x2, m.y2, m.placed, IRO_KEKKA);
  表示_棋譜(f);
  滑らせる(f, e.手);
  // Against the computer its reply waits until the player has seen the move
  // and its jump arrive.
  if (f.options.ANIME && f.game.TAISEN_MODE == MODE_MAN_COM) f.p.canvas->settle();
}

void 思考終了(盤の場& f, const 指し手& m) {
  消去_思考中(f);
  描画_移動結果(f, f.game.COM_TEBAN, m.x2, m.y2, m.placed, IRO_MOJI);
  描画_桝輪郭(f, IRO_MOJI, m.x2, m.y2);
}

void 対局開始(盤の場& f) {
  描画_棋譜読込み部分消去(f);
  if (f.game.TAISEN_MODE == MODE_MAN_COM) {
    描画_レベル(f, f.game.COM_LEVEL);
  } else {
    // The level label means nothing between two humans.
    for (int c = -2; c <= 0; ++c) 描画_絵(f, f.options.HAIKEI, c, 0);
  }
  描画_将棋盤桝(f);
  表示_棋譜(f);
}

void 戻した(盤の場& f, const 対局の知らせ& e) {
  if (f.options.ANIME) f.p.canvas->fade();
  描画_将棋盤桝(f);
  消去_思考中(f);
  時間_描画(f);
  盤_描画(f);
  // The text of the move taken back goes from the slot of the side that made it.
  消去_移動結果(f, e.側);
  描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);
  表示_棋譜(f);
}

void 進めた(盤の場& f, const 対局の知らせ& e) {
  if (f.options.ANIME) f.p.canvas->fade();
  消去_思考中(f);
  描画_将棋盤桝(f);
  時間_描画(f);
  盤_描画(f);
  // In the slot of the side that made it: the piece that side moved, never
  // the other side's piece that jumped with it. A move that cannot be worked
  // out (an identical snapshot, an impossible record) has no text: its slot
  // is cleared.
  if (e.手.分かる)
    描画_移動結果(f, e.側, e.手.手.x2, e.手.手.y2, e.手.手.placed, IRO_KEKKA);
  else
    消去_移動結果(f, e.側);
  描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);
  表示_棋譜(f);
}

void 棋譜を読んだ(盤の場& f, const 対局の知らせ& e) {
  // The title and the bottom side's player in the free row below the board,
  // which starting a game clears again; the top side's player above it.
  f.p.canvas->text(取得_棋譜のX座標(e.見出し[0]) - 3000, 記録の行, e.見出し[0], IRO_SENTAKU, 12,
                   f.view.FontBold);
  f.p.canvas->text(取得_棋譜のX座標(e.見出し[1]), 100, e.見出し[1], IRO_MOJI, 12, f.view.FontBold);
  f.p.canvas->text(取得_棋譜のX座標(e.見出し[2]), 記録の行, e.見出し[2], IRO_MOJI, 12, f.view.FontBold);
  表示_棋譜(f);
}

// A kept game taken up again: everything painted afresh, with the move
// number, the last move of each side beside the board, and a record's headers.
void 再開(盤の場& f, const 対局の知らせ& e) {
  画面_再描画(f);
  描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);
  for (int t = f.game.TESUU; t >= 1 && t >= f.game.TESUU - 1; --t) {
    const 棋譜の手 m = 手順_番号(f.moves, t);
    if (m.分かる)
      描画_移動結果(f, m.下 ? f.game.MAN_TEBAN : f.game.COM_TEBAN, m.手.x2, m.手.y2, m.手.placed, IRO_KEKKA);
  }
  if (f.game.KIFU_MODE) 棋譜を読んだ(f, e);
}

}  // namespace

void 盤の描き手::知らせ(const 対局の知らせ& e) {
  盤の場& f = f_;
  switch (e.種類) {
    case 出来事::初期化: 画面_再描画(f); break;
    case 出来事::対局開始: 対局開始(f); break;
    case 出来事::思考開始: 思考中を表示(f); break;
    case 出来事::着手予告: 着手を示す(f, e.手.手); break;
    case 出来事::指した: 指した(f, e); break;
    case 出来事::思考終了: 思考終了(f, e.手.手); break;
    case 出来事::手番:
    case 出来事::王手: break;
    case 出来事::終局:
      // The computer took the king: "思考中" gives way to the winning move,
      // shown as its every other move is.
      if (COMが指した(f, e.側) && e.理由 == 終局の理由::王を取った) 思考終了(f, e.手.手);
      break;
    case 出来事::戻した: 戻した(f, e); break;
    case 出来事::進めた: 進めた(f, e); break;
    case 出来事::反転:
      画面_再描画(f);
      描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);
      break;
    case 出来事::ハンデ:
      if (e.x != 0) {
        描画_ハンデレベル(f, f.game.HANDE_LEVEL);
        描画_絵(f, f.pos.BAN[e.x][e.y], e.x, e.y);
        描画_桝輪郭(f, IRO_WAKU, e.x, e.y);
      }
      表示_棋譜(f);
      break;
    case 出来事::棋譜を読んだ: 棋譜を読んだ(f, e); break;
    case 出来事::時計:
      if (e.側 != 0) 描画_所有時間(f, e.側, e.秒);
      f.p.canvas->repaint_now();
      break;
    case 出来事::ヒント:
      // Marked as the last move is, until the next move or step paints the
      // marks of the game again.
      描画_最終手(f, &e.手);
      break;
    case 出来事::再開: 再開(f, e); break;
    case 出来事::終了: break;
  }
  // Whose turn it is follows every event but the clock's.
  switch (e.種類) {
    case 出来事::思考開始: f.view.思考中 = true; break;
    case 出来事::終局: f.view.終局の訳 = e.理由; [[fallthrough]];
    case 出来事::思考終了:
    case 出来事::初期化:
    case 出来事::対局開始:
    case 出来事::戻した:
    case 出来事::進めた: f.view.思考中 = false; break;
    case 出来事::時計: return;
    default: break;
  }
  表示_手番(f);
}

}  // namespace velmora
