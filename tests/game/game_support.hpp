// Playing, saving and loading games through the fake window, for the record
// and navigation tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "game/record.hpp"
#include "input/mouse_input.hpp"
#include "input/record_panel.hpp"
#include "script/fakes.hpp"
#include "view/drawing.hpp"

namespace velmora::testing {

// A fresh scratch directory of this test under VELMORA_TEST_TMP.
inline std::filesystem::path 作業場所(const std::string& name) {
  const char* root = std::getenv("VELMORA_TEST_TMP");
  std::filesystem::path dir =
      std::filesystem::path(root && *root ? root : "/tmp/velmora-test") / "record" / name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline std::string ファイル内容(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void ファイル作成(const std::filesystem::path& p, std::string_view bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct 手 {
  int x1, y1, x2, y2, koma;
  double seconds;  // thinking time of the move
};

// One move as the game makes it: the clock runs for the move's thinking
// time, then the human's move goes through the game's own procedure, which
// stores the position before it with the four times, plays the move and its
// mirror move, adds the time to the mover's total and passes the turn.
inline void 指す(FakeWindow& w, const 手& m) {
  Form1& f = w.f();
  w.clock.advance(m.seconds);
  f.clock.KEIKA_BYOU = m.seconds;
  const bool drop = m.x1 == SITA_DAI || m.x1 == UE_DAI;
  const int moving = drop ? m.koma : f.pos.BAN[m.x1][m.y1];
  velmora::指す(f, 指し手{m.x1, m.y1, m.x2, m.y2, moving, m.koma});
}

// Twenty moves between two people, the bottom side first: pawn pushes with
// their mirror moves, captures, promotions and drops from both hands.
inline constexpr 手 二十手[] = {
    {3, 7, 3, 6, -10, 3.5}, {3, 3, 3, 4, 10, 12.25}, {2, 8, 8, 2, -801, 1234.6}, {7, 1, 8, 2, 100, 59.9},
    {11, 8, 5, 5, -800, 7}, {-1, 6, 5, 4, 800, 3},   {5, 5, 5, 4, -800, 2},      {5, 3, 5, 4, 10, 4},
    {1, 7, 1, 6, -10, 1},   {1, 3, 1, 4, 10, 1},     {1, 6, 1, 5, -10, 1},       {1, 4, 1, 5, 10, 1},
    {1, 9, 1, 5, -20, 1},   {-1, 1, 1, 4, 10, 1},    {1, 5, 1, 4, -20, 1},       {2, 1, 1, 3, 30, 1},
    {1, 4, 1, 3, -21, 1},   {1, 1, 1, 3, 20, 1},     {11, 5, 2, 5, -30, 1},      {1, 3, 1, 7, 20, 1},
};

// A game between two people started as "スタート" starts it.
inline void 人間対局開始(FakeWindow& w) {
  Form1& f = w.f();
  f.game.MAN_TEBAN = 1;
  f.game.COM_TEBAN = -1;
  f.game.TEBAN = TEBAN_SENTE;
  f.game.TAISEN_MODE = MODE_MAN_MAN;
}

inline void 二十手指す(FakeWindow& w) {
  人間対局開始(w);
  for (const auto& m : 二十手) 指す(w, m);
}

// Saves through the record panel into dir as name.棋譜.
inline void 保存(FakeWindow& w, const std::filesystem::path& dir, std::string_view name,
                 std::string_view title, std::string_view first, std::string_view second) {
  KIFU_WRITE_Click(w.f());
  w.record.set_text(棋譜の欄::ファイル名, name);
  w.record.set_text(棋譜の欄::対局名, title);
  w.record.set_text(棋譜の欄::先手, first);
  w.record.set_text(棋譜の欄::後手, second);
  フォルダ_変更(w.f(), dir.string());
  書込ボタン_Click(w.f());
}

}  // namespace velmora::testing
