#include "window/menu.hpp"

#include "game/computer.hpp"
#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "input/record_panel.hpp"
#include "window/form.hpp"
#include "window/help.hpp"
#include "window/recent.hpp"
#include "window/settings.hpp"
#include "window/startup.hpp"

namespace velmora {

namespace {

// A handler of a part below the window, which takes the narrower state it needs.
template <auto handler>
void 呼ぶ(Form1& f) {
  handler(f);
}

// The same for a handler that changes the game: refused while the computer
// thinks elsewhere (the board and the record are the thinker's question).
template <auto handler>
void 変える(Form1& f) {
  if (!思考中の断り(f)) handler(f);
}

// The captions are translated where the window builds its menus.
constexpr メニュー項目 一覧[] = {
    {"TAIKYOKU", gettext_noop("対局"), "", true, 呼ぶ<棋譜欄を閉じる>, nullptr},
    {"SHINKI", gettext_noop("新規対局"), "TAIKYOKU", false, 変える<SHINKI_Click>, nullptr, nullptr, "Ctrl+N"},
    {"MATCH_MAN", gettext_noop("対局(人間)"), "TAIKYOKU", true, 呼ぶ<MATCH_MAN_Click>, nullptr},
    {"START", gettext_noop("スタート"), "MATCH_MAN", false, 変える<START_Click>, nullptr},
    {"START2", gettext_noop("対局(COM)"), "TAIKYOKU", true, nullptr, nullptr},
    {"SENTE", gettext_noop("先手"), "START2", false, 変える<SENTE_Click>, nullptr},
    {"GOTE", gettext_noop("後手"), "START2", false, 変える<GOTE_Click>, nullptr},
    {"LEVEL", gettext_noop("COM対局ﾚﾍﾞﾙ"), "TAIKYOKU", true, nullptr, nullptr},
    // The level's marks follow COM_LEVEL.
    {"LEVEL1", gettext_noop("LEVEL1"), "LEVEL", false, 呼ぶ<LEVEL1_Click>,
     [](const Form1& f) { return f.game.COM_LEVEL == 1; }},
    {"LEVEL2", gettext_noop("LEVEL2"), "LEVEL", false, 呼ぶ<LEVEL2_Click>,
     [](const Form1& f) { return f.game.COM_LEVEL == 2; }},
    {"LEVEL3", gettext_noop("LEVEL3"), "LEVEL", false, 呼ぶ<LEVEL3_Click>,
     [](const Form1& f) { return f.game.COM_LEVEL == 3; }},
    {"LEVEL4", gettext_noop("LEVEL4"), "LEVEL", false, 呼ぶ<LEVEL4_Click>,
     [](const Form1& f) { return f.game.COM_LEVEL == 4; }},
    {"LEVEL5", gettext_noop("LEVEL5"), "LEVEL", false, 呼ぶ<LEVEL5_Click>,
     [](const Form1& f) { return f.game.COM_LEVEL == 5; }},
    {"HINT", gettext_noop("ヒント"), "TAIKYOKU", false, 呼ぶ<HINT_Click>, nullptr, nullptr, "Ctrl+H"},
    {"TOURYOU", gettext_noop("投了"), "TAIKYOKU", false, 変える<TOURYOU_Click>, nullptr,
     [](const Form1& f) { return 対局中(f.game); }},
    {"OWARI", gettext_noop("終わり"), "TAIKYOKU", false, OWARI_Click, nullptr, nullptr, "Ctrl+Q"},

    {"STOP", gettext_noop("局面"), "", true, 呼ぶ<棋譜欄を閉じる>, nullptr},
    {"CANCEL", gettext_noop("最初"), "STOP", false, 変える<CANCEL_Click>, nullptr},
    {"REVERSE", gettext_noop("反転"), "STOP", false, 変える<REVERSE_Click>, nullptr},
    // 戻 and 進 once more, where a menu can show their keys.
    {"MODORU", gettext_noop("戻"), "STOP", false, 変える<REPLAY_Click>, nullptr, nullptr, "Ctrl+Z"},
    {"SUSUMU", gettext_noop("進"), "STOP", false, 変える<AFTER_Click>, nullptr, nullptr,
     "Ctrl+Y; Ctrl+Shift+Z"},

    // These four act at once, straight from the menu bar.
    {"REPLAY", gettext_noop("戻"), "", false, 変える<REPLAY_Click>, nullptr},
    {"AFTER", gettext_noop("進"), "", false, 変える<AFTER_Click>, nullptr},
    {"LBEL_UP", gettext_noop("△"), "", false, 変える<LBEL_UP_Click>, nullptr},
    {"LEBEL_DOWN", gettext_noop("▽"), "", false, 変える<LEBEL_DOWN_Click>, nullptr},

    {"KIFU", gettext_noop("棋譜"), "", true, nullptr, nullptr},
    {"KIFU_READ", gettext_noop("読込"), "KIFU", false, 呼ぶ<KIFU_READ_Click>, nullptr, nullptr, "Ctrl+O"},
    {"KIFU_WRITE", gettext_noop("書込"), "KIFU", false, 呼ぶ<KIFU_WRITE_Click>, nullptr, nullptr, "Ctrl+S"},
    // The window fills it with the records read or written last as it opens.
    {最近の棋譜のメニュー, gettext_noop("最近の棋譜"), "KIFU", true, nullptr, nullptr},

    {"OPTION", gettext_noop("ｵﾌﾟｼｮﾝ"), "", true, 呼ぶ<棋譜欄を閉じる>, nullptr},
    {"HAIKEI_GA", gettext_noop("背景画"), "OPTION", true, nullptr, nullptr},
    {"MIDORI", gettext_noop("Velmora"), "HAIKEI_GA", false, MIDORI_Click,
     [](const Form1& f) { return f.options.HAIKEI == HAIKEI_MIDORI; }},
    {"TATAMI", gettext_noop("畳"), "HAIKEI_GA", false, TATAMI_Click,
     [](const Form1& f) { return f.options.HAIKEI == HAIKEI_TATAMI; }},
    {"TAKE", gettext_noop("竹"), "HAIKEI_GA", false, TAKE_Click,
     [](const Form1& f) { return f.options.HAIKEI == HAIKEI_TAKE; }},
    {"UCHU", gettext_noop("宇宙"), "HAIKEI_GA", false, UCHU_Click,
     [](const Form1& f) { return f.options.HAIKEI == HAIKEI_UCHU; }},
    {"RENGA", gettext_noop("煉瓦"), "HAIKEI_GA", false, RENGA_Click,
     [](const Form1& f) { return f.options.HAIKEI == HAIKEI_RENGA; }},
    // Move guidance's mark follows SIDOU_FLAG.
    {"SIDOU", gettext_noop("移動指導"), "OPTION", false, SIDOU_Click,
     [](const Form1& f) { return f.options.SIDOU_FLAG; }},
    {"SAISYUTE", gettext_noop("最終手表示"), "OPTION", false, SAISYUTE_Click,
     [](const Form1& f) { return f.options.SAISYUTE; }},
    {"ANIME", gettext_noop("アニメーション"), "OPTION", false, ANIME_Click,
     [](const Form1& f) { return f.options.ANIME; }},
    {"KEIKA", gettext_noop("経過時間"), "OPTION", false, KEIKA_Click,
     [](const Form1& f) { return f.options.KEIKA; }},
    {"BGM", gettext_noop("BGM"), "OPTION", false, BGM_Click, [](const Form1& f) { return f.options.BGM; }},
    // The piece set's marks follow KOKUSAI.
    {"KOMA", gettext_noop("駒"), "OPTION", true, nullptr, nullptr},
    {"KANJI", gettext_noop("漢字"), "KOMA", false, KANJI_Click,
     [](const Form1& f) { return !f.options.KOKUSAI; }},
    {"KOKUSAI", gettext_noop("国際式"), "KOMA", false, KOKUSAI_Click,
     [](const Form1& f) { return f.options.KOKUSAI; }},

    {"SONOTA", gettext_noop("その他"), "", true, nullptr, nullptr},
    {"KAISETU", gettext_noop("解説"), "SONOTA", false, KAISETU_Click, nullptr, nullptr, "F1"},
    {"VER", gettext_noop("バージョン情報"), "SONOTA", false, VER_Click, nullptr},
};

}  // namespace

std::span<const メニュー項目> メニュー一覧() { return 一覧; }

const メニュー項目* メニュー項目_検索(std::string_view name) {
  for (const メニュー項目& item : 一覧)
    if (item.name == name) return &item;
  return nullptr;
}

}  // namespace velmora
