// Whose turn it is, beside the board.
#include "view/turn_status.hpp"

#include "view/state.hpp"

namespace velmora {

namespace {

// Who plays the side: against the computer "COM" or the player; between two
// people nobody needs naming.
const char* 指し手の名(const 対局& g, int side) {
  if (g.TAISEN_MODE != MODE_MAN_COM) return nullptr;
  return side == g.COM_TEBAN ? gettext_noop("COM") : gettext_noop("あなた");
}

const char* 理由の文(終局の理由 why) {
  switch (why) {
    case 終局の理由::王を取った: return gettext_noop("王を取りました");
    case 終局の理由::詰み: return gettext_noop("詰みです");
    case 終局の理由::指す手なし: return gettext_noop("COMに指す手がありません");
    case 終局の理由::投了: return gettext_noop("相手の投了です");
    case 終局の理由::なし: break;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> 手番の表示(const 盤の場& f) {
  const 対局& g = f.game;
  std::vector<std::string> lines;
  const bool over = g.SYOUSYA != 0;
  const int side = over ? g.SYOUSYA : g.TEBAN;
  if (side != TEBAN_SENTE && side != TEBAN_GOTE) return lines;
  const bool first = side == TEBAN_SENTE;
  if (over)
    lines.emplace_back(first ? tr(f.lang, "手番", "▲先手の勝ち") : tr(f.lang, "手番", "△後手の勝ち"));
  else
    lines.emplace_back(first ? tr(f.lang, "手番", "▲先手の番") : tr(f.lang, "手番", "△後手の番"));
  if (const char* who = 指し手の名(g, side)) lines.emplace_back(tr(f.lang, who));
  if (over) {
    if (const char* why = 理由の文(f.view.終局の訳)) lines.emplace_back(tr(f.lang, why));
  } else if (f.view.思考中) {
    lines.emplace_back(tr(f.lang, "思考中"));
  }
  return lines;
}

void 表示_手番(盤の場& f) {
  std::vector<std::string> lines = 手番の表示(f);
  if (lines == f.view.手番の行) return;
  f.view.手番の行 = std::move(lines);
  if (f.p.moves) f.p.moves->show_status(f.view.手番の行);
}

}  // namespace velmora
