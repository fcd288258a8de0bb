// The window's language: which one the environment asks for, the English
// catalogue the build makes, and English boxes and labels through the fakes.
#include "game/language.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <utility>

#include "game/clock.hpp"
#include "game/computer.hpp"
#include "game/navigation.hpp"
#include "game/record.hpp"
#include "input/game_menu.hpp"
#include "input/mouse_input.hpp"
#include "input/record_panel.hpp"
#include "view/clock_display.hpp"
#include "view/drawing.hpp"
#include "view/labels.hpp"
#include "view/paint_support.hpp"
#include "window/menu.hpp"
#include "window/settings.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;
using Names = std::vector<std::string>;

TEST(Language, TheEnvironmentIsReadAsGettextReadsIt) {
  struct Case {
    const char *language, *lc_all, *lc_messages, *lang;
    Names names;
  } cases[] = {
      {"", "", "", "en_GB.UTF-8", {"en_GB", "en"}},
      {"", "", "", "ja_JP.UTF-8", {"ja_JP", "ja"}},
      {"", "", "en_US.UTF-8", "ja_JP.UTF-8", {"en_US", "en"}},
      {"", "de_DE@euro", "en_US.UTF-8", "", {"de_DE", "de"}},
      {"fr:en_GB", "", "", "de_DE.UTF-8", {"fr", "en_GB", "en", "de_DE", "de"}},
      // The C locale keeps the source texts, whatever LANGUAGE asks.
      {"en", "", "", "", {}},
      {"en", "C", "", "en_US.UTF-8", {}},
      {"en", "", "", "POSIX", {}},
      {"en", "", "", "C.UTF-8", {}},
      // A name that is no language leads nowhere, least of all to a path.
      {"../../x:en", "", "", "../x.UTF-8", {"en"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(言語の候補(c.language, c.lc_all, c.lc_messages, c.lang), c.names)
        << c.language << "|" << c.lang;
}

// A locale name names its language, with and without the country; what is
// no such name (a path, a blank, a country without a language) names none.
TEST(Language, ALocaleNameNamesItsLanguagesAndNothingElseDoes) {
  const std::pair<const char*, Names> cases[] = {
      {"en", {"en"}},
      {"en_GB", {"en_GB", "en"}},
      {"en_US.UTF-8", {"en_US", "en"}},
      {"ja_JP@euro", {"ja_JP", "ja"}},
      {"sr_RS.UTF-8@latin", {"sr_RS", "sr"}},
      {"es_419", {"es_419", "es"}},
      {"", {}},
      {"../../x", {}},
      {"en/../../x", {}},
      {"/tmp/x", {}},
      {"en_", {}},
      {"_GB", {}},
      {"e n", {}},
      {"en_G/B", {}},
  };
  for (const auto& [name, names] : cases) EXPECT_EQ(言語名の候補(name), names) << name;
  言語 l;
  EXPECT_FALSE(言語_設定(l, {"../en", "en/.."}));
  EXPECT_TRUE(原文(l));
}

// A catalogue that is there but cannot be read as one is named as damaged,
// not taken for a language without a translation; a good one further on
// still wins.
TEST(Language, ADamagedCatalogueIsNamedAsDamaged) {
  const std::filesystem::path share =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "share";
  const std::filesystem::path file = share / "locale/zz/LC_MESSAGES/velmora.mo";
  std::filesystem::create_directories(file.parent_path());
  { std::ofstream(file, std::ios::binary) << "\xde\x12\x04\x95 not a catalogue"; }
  言語 l;
  std::string damaged = "stale";
  EXPECT_FALSE(言語_設定(l, {"zz"}, &damaged));
  EXPECT_EQ(damaged, file.string());
  EXPECT_TRUE(言語_設定(l, {"zz", "en"}, &damaged));
  EXPECT_EQ(l.名前, "en");
  EXPECT_EQ(damaged, "");
  EXPECT_FALSE(言語_設定(l, {"yy"}, &damaged));
  EXPECT_EQ(damaged, "");
  std::filesystem::remove_all(share / "locale/zz");
}

TEST(Language, TheFirstUsableCandidateWins) {
  言語 l;
  EXPECT_TRUE(言語_設定(l, {"en_GB", "en"}));
  EXPECT_EQ(l.名前, "en");
  EXPECT_EQ(tr(l, "対局"), "Game");
  EXPECT_EQ(tr(l, "棋譜の終わり", "終わり"), "This is the end of the record.");
  EXPECT_EQ(tr(l, "終わり"), "Quit");
  EXPECT_EQ(tr(l, "どこにもない文"), "どこにもない文");
  // Japanese is the source: no catalogue, the texts as written.
  EXPECT_TRUE(言語_設定(l, {"ja_JP", "ja", "en"}));
  EXPECT_TRUE(原文(l));
  EXPECT_EQ(tr(l, "対局"), "対局");
  EXPECT_FALSE(言語_設定(l, {"xx_YY", "xx"}));
  EXPECT_TRUE(原文(l));
  EXPECT_TRUE(言語_設定(l, {}));
  const Names known = 言語一覧();
  EXPECT_TRUE(std::is_sorted(known.begin(), known.end()));
  EXPECT_NE(std::find(known.begin(), known.end(), "ja"), known.end());
  EXPECT_NE(std::find(known.begin(), known.end(), "en"), known.end());
}

TEST(Language, PlaceholdersAreFilledByName) {
  EXPECT_EQ(差込("{a} to {b}{a}", {{"a", "P"}, {"b", "7f"}}), "P to 7fP");
  EXPECT_EQ(差込("{x} {", {{"a", "1"}}), "{x} {");
  EXPECT_EQ(差込("棋譜ﾌｧｲﾙの{行}行目", {{"行", "12"}}), "棋譜ﾌｧｲﾙの12行目");
}

// Every translation names the same placeholders as its source text, and none
// is empty; every menu caption has one.
TEST(Language, TheEnglishCatalogueKeepsEveryPlaceholder) {
  言語 l;
  ASSERT_TRUE(言語_設定(l, {"en"}));
  const std::regex placeholder("\\{[^{}]*\\}");
  auto names = [&](std::string_view s) {
    std::set<std::string> out;
    const std::string text(s);
    for (std::sregex_iterator it(text.begin(), text.end(), placeholder), end; it != end; ++it)
      out.insert(it->str());
    return out;
  };
  ASSERT_GT(l.目録.件数(), 100u);
  for (std::size_t i = 0; i < l.目録.件数(); ++i) {
    EXPECT_FALSE(l.目録.訳文(i).empty()) << l.目録.原文(i);
    EXPECT_EQ(names(l.目録.原文(i)), names(l.目録.訳文(i))) << l.目録.原文(i);
  }
  for (const メニュー項目& item : メニュー一覧())
    EXPECT_TRUE(item.caption == "Velmora" || tr(l, item.caption) != item.caption) << item.name;
}

struct English : PaintTest {
  WorkDir dir{"english"};
  void SetUp() override {
    ASSERT_TRUE(言語_設定(f.lang, {"en"}));
    PaintTest::SetUp();
  }
  std::vector<std::string> box_lines() {
    std::vector<std::string> lines;
    for (const Box& b : w.dialogs.boxes) lines.push_back(box_line(b));
    return lines;
  }
};

TEST_F(English, BoxesSpeakEnglish) {
  auto click = [&](double x, double y) {
    Form_MouseDown(f, 1, 0, 1350 + 610 * (x + 0.5), 100 + 690 * (y + 0.5));
  };
  click(3, 7);
  START_Click(f);
  REPLAY_Click(f);
  KIFU_WRITE_Click(f);
  書込ボタン_Click(f);
  f.p.record->set_text(棋譜の欄::ファイル名, "x");
  書込ボタン_Click(f);
  click(3, 7);
  click(3, 6);
  LBEL_UP_Click(f);
  EXPECT_EQ(box_lines(),
            (std::vector<std::string>{
                "box Start|Start a game from the Game menu first.|ok",
                "box  |Sente (the bottom side) to move.|ok",
                "box Back|No move to step to.|ok",
                "box   |Please enter a file name.|ok",
                "box Save Record|There are no moves to save yet.|ok",
                "box Game|Sente (the bottom side) to move.|ok",
                "box Handicap|Not once the game has begun.\\r\\rChoose Position → Initial Position first.|ok",
            }));
  w.dialogs.boxes.clear();
  std::filesystem::remove("Velmora.ini");
  std::filesystem::create_directory("Velmora.ini");
  読込_環境設定ファイル(f);
  EXPECT_EQ(box_lines(), std::vector<std::string>{
                             "box Settings|The settings file cannot be read:\\nVelmora.ini\\nThe "
                             "game starts with the default settings and leaves that file as it is.|ok"});
}

TEST_F(English, LabelsUseWesternCoordinatesAndFitTheirPlaces) {
  描画_桝_数値(f);
  描画_手数(f, 123, IRO_MOJI);
  描画_レベル(f, 2);
  描画_ハンデレベル(f, -2);
  f.game.MAN_TEBAN = -1, f.game.COM_TEBAN = 1;
  描画_移動結果(f, -1, 3, 6, -10, IRO_KEKKA);
  描画_移動結果(f, 1, 2, 2, 801, IRO_MOJI);
  std::vector<std::string> texts;
  for (const PaintOp& op : 文字(ops))
    if (op.id_or_colour != IRO_KAGE) texts.push_back(op.text);
  const std::vector<std::string> rows = {"a", "b", "c", "d", "e", "f", "g", "h", "i"};
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(texts[2 * i + 1], rows[i]);
  texts.erase(texts.begin(), texts.begin() + 18);
  EXPECT_EQ(texts,
            (std::vector<std::string>{"Move 123", "Level", " 2", "Handicap: 1 dan", "P to 7f", "+B to 8b"}));
  // Each is one text, where the source texts start theirs.
  for (const PaintOp& op : 文字(ops)) {
    if (op.id_or_colour == IRO_KAGE) continue;
    if (op.text == "P to 7f") {
      EXPECT_TRUE(位置(op, 12.4, 2.4));
    } else if (op.text == "+B to 8b") {
      EXPECT_TRUE(位置(op, -1.6, 8.4));
    } else if (op.text == "Move 123") {
      EXPECT_TRUE(位置(op, 13.0, 3.3));
    }
  }
  ops.clear();
  f.game.TAISEN_MODE = MODE_MAN_COM;
  f.game.TEBAN = f.game.COM_TEBAN;
  com_ban(f);
  EXPECT_EQ(文字(ops)[1].text, "Thinking…");
}

TEST_F(English, RecordFileFaultsAreExplainedInEnglish) {
  write_file("bad.棋譜", "t\r\n1\r\n2\r\n" + std::string(358, 'x') + "\r\n");
  f.p.record->set_directory(".");
  棋譜一覧_Click(f, "bad.棋譜");
  EXPECT_EQ(box_lines().back(),
            "box Record|Line 4 of the record file is not valid:\\na field is not a number (character 1)|ok");
}

}  // namespace
}  // namespace velmora
