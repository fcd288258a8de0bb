// The options the player chooses, as the game and the board read them. The
// settings file that keeps them, and the menus that change them, sit above
// the game and the board (window/settings.hpp).
#pragma once

namespace velmora {

// Picture identifiers of the five backgrounds.
inline constexpr int HAIKEI_MIDORI = 2;
inline constexpr int HAIKEI_TATAMI = 3;
inline constexpr int HAIKEI_TAKE = 4;
inline constexpr int HAIKEI_UCHU = 5;
inline constexpr int HAIKEI_RENGA = 6;

struct 設定 {
  // The background picture: the window paints with it and its menu item is
  // the one checked.
  int HAIKEI = HAIKEI_MIDORI;
  bool SIDOU_FLAG = false;  // move guidance: the squares a picked piece may go to are outlined
  bool KEIKA = false;       // the thinking-time clocks are shown
  bool BGM = false;         // the background music plays
  // The international pieces instead of the kanji ones; KANJI and KOKUSAI's
  // marks follow from it.
  bool KOKUSAI = false;
  bool SAISYUTE = false;  // 最終手表示: the last move marked on the board
  bool ANIME = true;      // アニメーション: moves glide, steps fade
};

}  // namespace velmora
