// The notations of the move list: the standard Japanese one and the Western one.
#include "game/notation.hpp"

#include <cstdlib>

#include "rules/pieces.hpp"

namespace velmora {

namespace {

// Pieces by their usual names; each side's king as its piece shows it.
std::string 駒名(int code) {
  const 駒の種類* k = 駒の種類_検索(code);
  return k ? 駒の名(*k, code) : "";
}

// Columns count from the right, as the board's labels do: "７六".
std::string 升目(int x, int y) { return 文字列変換(相対位置(x)) + 文字列変換(y + 1000); }

// Which of several pieces of the same kind that could reach the square moved:
// first by how it moved (上 forward, 引 back, 寄 sideways), then by where it
// stood (右, 左, from the mover's own seat, or 直 straight forward), then both.
std::string 相対(const 棋譜の手& m) {
  if (m.候補数 == 0) return {};
  const 指し手& h = m.手;
  // Forward and to the right as the mover sees the board.
  auto 前 = [&](int y) { return m.下 ? y - h.y2 : h.y2 - y; };
  auto 右 = [&](int x) { return m.下 ? x : -x; };
  auto 向き = [&](int y) { return 前(y) > 0 ? "上" : 前(y) < 0 ? "引" : "寄"; };
  const std::string mine = 向き(h.y1);
  bool same_way = false, all_right = true, all_left = true, way_right = true, way_left = true;
  for (int i = 0; i < m.候補数; ++i) {
    const int x = m.候補[i][0], y = m.候補[i][1];
    const bool way = 向き(y) == mine;
    same_way = same_way || way;
    all_right = all_right && 右(x) < 右(h.x1);
    all_left = all_left && 右(x) > 右(h.x1);
    if (way) {
      way_right = way_right && 右(x) < 右(h.x1);
      way_left = way_left && 右(x) > 右(h.x1);
    }
  }
  if (!same_way) return mine;
  const int kind = std::abs(h.moving);
  if (h.x1 == h.x2 && 前(h.y1) > 0 && kind != KAKU_NARI && kind != SYA_NARI) return "直";
  if (all_right) return "右";
  if (all_left) return "左";
  if (way_right) return "右" + mine;
  if (way_left) return "左" + mine;
  return {};
}

}  // namespace

std::string 文字列変換(int v) {
  // TRANSLATORS: the columns of move texts, counted from the right.
  static constexpr const char* 数字[] = {gettext_noop("１"), gettext_noop("２"), gettext_noop("３"),
                                         gettext_noop("４"), gettext_noop("５"), gettext_noop("６"),
                                         gettext_noop("７"), gettext_noop("８"), gettext_noop("９")};
  // TRANSLATORS: the rows of move texts and of the board's labels, from the top.
  static constexpr const char* 漢数字[] = {gettext_noop("一"), gettext_noop("二"), gettext_noop("三"),
                                           gettext_noop("四"), gettext_noop("五"), gettext_noop("六"),
                                           gettext_noop("七"), gettext_noop("八"), gettext_noop("九")};
  if (v >= 1 && v <= 9) return 数字[v - 1];
  if (v >= 1001 && v <= 1009) return 漢数字[v - 1001];
  const 駒の種類* k = 駒の種類_検索(v);
  return k ? k->最終手の名 : "";
}

std::string 表記_日本式(const 棋譜の手& m, bool 先手) {
  std::string text = 先手 ? "▲" : "△";
  const 指し手& h = m.手;
  if (!m.分かる) return text + (h.x2 ? 升目(h.x2, h.y2) + 駒名(h.placed) : std::string()) + "？";
  const std::string name = 駒名(h.moving);
  // "同　角" keeps a one-character name as wide as a two-character one.
  text += m.同 ? "同" + std::string(name.size() == 3 ? "　" : "") : 升目(h.x2, h.y2);
  text += name + 相対(m);
  if (h.打ち()) text += "打";
  if (h.成り())
    text += "成";
  else if (m.成れた)
    text += "不成";
  return text;
}

std::string 表記_日本式_鏡(const 棋譜の手& m, bool 先手) {
  if (!m.分かる || !m.鏡) return {};
  const 指し手& j = m.鏡の手;
  return std::string("　鏡 ") + (先手 ? "△" : "▲") + 升目(j.x1, j.y1) + 駒名(j.moving) + "→" +
         升目(j.x2, j.y2);
}

// The Western notation, as English shogi books write moves.
namespace {

// A piece by its letter, promoted ones with "+" before it.
std::string 駒の文字(int code) {
  const 駒の種類* k = 駒の種類_検索(code);
  return k ? k->記号 : "";
}

// Columns count from the right, rows are letters from the top: "7f".
std::string 西洋式の升目(int x, int y) {
  return std::to_string(相対位置(x)) + static_cast<char>('a' + y - 1);
}

}  // namespace

std::string 表記_西洋式(const 棋譜の手& m, bool 先手) {
  std::string text = 先手 ? "▲" : "△";
  const 指し手& h = m.手;
  if (!m.分かる)
    return text + (h.x2 ? 駒の文字(h.placed) + 西洋式の升目(h.x2, h.y2) : std::string()) + " (?)";
  text += 駒の文字(h.moving);
  if (h.打ち()) return text + "*" + 西洋式の升目(h.x2, h.y2);
  // The square it came from only when another piece of its kind could have gone there too.
  if (m.候補数 > 0) text += 西洋式の升目(h.x1, h.y1);
  text += m.取った駒 != KARA ? "x" : "-";
  text += 西洋式の升目(h.x2, h.y2);
  if (h.成り())
    text += "+";
  else if (m.成れた)
    text += "=";
  return text;
}

std::string 表記_西洋式_鏡(const 棋譜の手& m, bool 先手) {
  if (!m.分かる || !m.鏡) return {};
  const 指し手& j = m.鏡の手;
  return std::string(先手 ? "△" : "▲") + 駒の文字(j.moving) + 西洋式の升目(j.x1, j.y1) + "-" +
         西洋式の升目(j.x2, j.y2) + (j.成り() ? "+" : "");
}

手の表記 表記_言語(const 言語& l, const 棋譜の手& m, bool 先手) {
  if (原文(l)) return {表記_日本式(m, 先手), 表記_日本式_鏡(m, 先手)};
  std::string jump = 表記_西洋式_鏡(m, 先手);
  // TRANSLATORS: a mirror jump in the move list, under its move ("  mirror △P3c-3d").
  if (!jump.empty()) jump = 差込(tr(l, "　鏡 {手}"), {{"手", jump}});
  return {表記_西洋式(m, 先手), jump};
}

}  // namespace velmora
