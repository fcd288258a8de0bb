#include "ui/menu.hpp"

#include "options/help.hpp"
#include "options/settings.hpp"
#include "record/navigation.hpp"
#include "record/record.hpp"
#include "ui/clock.hpp"
#include "ui/com_turn.hpp"
#include "ui/form.hpp"
#include "ui/handicap_menu.hpp"
#include "ui/startup.hpp"

namespace velmora {

namespace {

constexpr メニュー項目 一覧[] = {
    {"TAIKYOKU", "対局", "", true, TAIKYOKU_Click, nullptr},
    {"MATCH_MAN", "対局(人間)", "TAIKYOKU", true, MATCH_MAN_Click, nullptr},
    {"START", "スタート", "MATCH_MAN", false, START_Click, nullptr},
    {"START2", "対局(COM)", "TAIKYOKU", true, nullptr, nullptr},
    {"SENTE", "先手", "START2", false, SENTE_Click, nullptr},
    {"GOTE", "後手", "START2", false, GOTE_Click, nullptr},
    {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU", true, nullptr, nullptr},
    // The level's marks follow COM_LEVEL.
    {"LEVEL1", "LEVEL1", "LEVEL", false, LEVEL1_Click, [](const Form1& f) { return f.game.COM_LEVEL == 1; }},
    {"LEVEL2", "LEVEL2", "LEVEL", false, LEVEL2_Click, [](const Form1& f) { return f.game.COM_LEVEL == 2; }},
    {"LEVEL3", "LEVEL3", "LEVEL", false, LEVEL3_Click, [](const Form1& f) { return f.game.COM_LEVEL == 3; }},
    {"OWARI", "終わり", "TAIKYOKU", false, OWARI_Click, nullptr},

    {"STOP", "局面", "", true, STOP_Click, nullptr},
    {"CANCEL", "最初", "STOP", false, CANCEL_Click, nullptr},
    {"REVERSE", "反転", "STOP", false, REVERSE_Click, nullptr},

    // These four act at once, straight from the menu bar.
    {"REPLAY", "戻", "", false, REPLAY_Click, nullptr},
    {"AFTER", "進", "", false, AFTER_Click, nullptr},
    {"LBEL_UP", "△", "", false, LBEL_UP_Click, nullptr},
    {"LEBEL_DOWN", "▽", "", false, LEBEL_DOWN_Click, nullptr},

    {"KIFU", "棋譜", "", true, nullptr, nullptr},
    {"KIFU_READ", "読込", "KIFU", false, KIFU_READ_Click, nullptr},
    {"KIFU_WRITE", "書込", "KIFU", false, KIFU_WRITE_Click, nullptr},

    {"OPTION", "ｵﾌﾟｼｮﾝ", "", true, OPTION_Click, nullptr},
    {"HAIKEI_GA", "背景画", "OPTION", true, nullptr, nullptr},
    {"MIDORI", "Velmora", "HAIKEI_GA", false, MIDORI_Click, [](const Form1& f) { return f.options.MIDORI; }},
    {"TATAMI", "畳", "HAIKEI_GA", false, TATAMI_Click, [](const Form1& f) { return f.options.TATAMI; }},
    {"TAKE", "竹", "HAIKEI_GA", false, TAKE_Click, [](const Form1& f) { return f.options.TAKE; }},
    {"UCHU", "宇宙", "HAIKEI_GA", false, UCHU_Click, [](const Form1& f) { return f.options.UCHU; }},
    {"RENGA", "煉瓦", "HAIKEI_GA", false, RENGA_Click, [](const Form1& f) { return f.options.RENGA; }},
    // Move guidance's mark follows SIDOU_FLAG.
    {"SIDOU", "移動指導", "OPTION", false, SIDOU_Click,
     [](const Form1& f) { return f.options.SIDOU_FLAG == YES; }},
    {"KEIKA", "経過時間", "OPTION", false, KEIKA_Click, [](const Form1& f) { return f.options.KEIKA; }},
    {"BGM", "BGM", "OPTION", false, BGM_Click, [](const Form1& f) { return f.options.BGM; }},

    {"SONOTA", "その他", "", true, nullptr, nullptr},
    {"KAISETU", "解説", "SONOTA", false, KAISETU_Click, nullptr},
    {"VER", "バージョン情報", "SONOTA", false, VER_Click, nullptr},
};

}  // namespace

std::span<const メニュー項目> メニュー一覧() { return 一覧; }

const メニュー項目* メニュー項目_検索(std::string_view name) {
  for (const メニュー項目& item : 一覧)
    if (item.name == name) return &item;
  return nullptr;
}

}  // namespace velmora
