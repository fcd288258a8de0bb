#include "window/help.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

#include "script/fakes.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

using testing::read_file;
using testing::WorkDir;
using testing::write_file;

struct Help : ::testing::Test {
  WorkDir dir{"開始 dir"};
  FakeWindow w;
  Form1& f = w.f();
  void SetUp() override { f.settings.START_DIR = std::filesystem::current_path().string(); }
};

TEST_F(Help, OpensThePageOfTheStartUpDirectoryAsAFileUrl) {
  write_file("Velmora.htm", "<html></html>");
  // The record browser may have moved the working directory since.
  std::filesystem::create_directory("kifu");
  std::filesystem::current_path("kifu");
  write_file("Velmora.htm", "<html></html>");
  KAISETU_Click(f);
  ASSERT_EQ(w.desktop.opened.size(), 1u);
  const std::string& url = w.desktop.opened[0];
  EXPECT_EQ(url.rfind("file:///", 0), 0u) << url;
  // "開始 dir": the Japanese name and the blank are percent-encoded.
  EXPECT_NE(url.find("/%E9%96%8B%E5%A7%8B%20dir/Velmora.htm"), std::string::npos) << url;
  EXPECT_EQ(url.find("kifu"), std::string::npos) << url;
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

TEST_F(Help, WithoutAPageThereTheShippedOneOpens) {
  KAISETU_Click(f);
  ASSERT_EQ(w.desktop.opened.size(), 1u);
  EXPECT_TRUE(w.desktop.opened[0].ends_with("/data/Velmora.htm")) << w.desktop.opened[0];
  EXPECT_EQ(w.desktop.opened[0].find("%E9%96%8B"), std::string::npos);
}

TEST_F(Help, ABrowserThatFailsIsIgnored) {
  write_file("Velmora.htm", "<html></html>");
  w.desktop.open_result = false;
  KAISETU_Click(f);
  ホームページ_Click(f);
  EXPECT_EQ(w.desktop.opened.size(), 2u);
  EXPECT_TRUE(w.dialogs.boxes.empty());
  EXPECT_TRUE(w.sound.calls.empty());
}

TEST_F(Help, AboutBoxChimesAndShowsModally) {
  VER_Click(f);
  EXPECT_EQ(w.dialogs.abouts, 1);
  EXPECT_EQ(w.sound.calls, std::vector<std::string>{"SONOTA"});
  write_file("Velmora.htm", "<html></html>");
  ホームページ_Click(f);  // the home page is the help page
  ASSERT_EQ(w.desktop.opened.size(), 1u);
  EXPECT_TRUE(w.desktop.opened[0].ends_with("%20dir/Velmora.htm"));
  了解_Click(f);
  EXPECT_EQ(w.desktop.opened.size(), 1u);
  EXPECT_EQ(w.dialogs.abouts, 1);
}

// Every element the help page opens is closed, in order; void elements stand alone.
std::string tag_balance_error(const std::string& html) {
  static const std::vector<std::string> void_elements = {"area", "base",  "br",   "col",  "embed",  "hr",
                                                         "img",  "input", "link", "meta", "source", "wbr"};
  std::vector<std::string> open;
  std::size_t i = 0;
  while ((i = html.find('<', i)) != std::string::npos) {
    if (html.compare(i, 4, "<!--") == 0) {
      const std::size_t end = html.find("-->", i);
      if (end == std::string::npos) return "unclosed comment";
      i = end + 3;
      continue;
    }
    const std::size_t end = html.find('>', i);
    if (end == std::string::npos) return "unclosed tag at " + std::to_string(i);
    std::string tag = html.substr(i + 1, end - i - 1);
    i = end + 1;
    if (tag.starts_with("!")) continue;  // the doctype
    const bool closing = tag.starts_with("/");
    const bool self_closing = tag.ends_with("/");
    std::smatch m;
    const std::string body = closing ? tag.substr(1) : tag;
    if (!std::regex_search(body, m, std::regex("^([a-zA-Z][a-zA-Z0-9]*)"))) return "bad tag <" + tag + ">";
    std::string name = m[1];
    for (auto& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool is_void = std::find(void_elements.begin(), void_elements.end(), name) != void_elements.end();
    if (closing) {
      if (is_void) return "closing void element " + name;
      if (open.empty() || open.back() != name)
        return "</" + name + "> closes <" + (open.empty() ? std::string("nothing") : open.back()) + ">";
      open.pop_back();
    } else if (!is_void && !self_closing) {
      open.push_back(name);
    }
  }
  return open.empty() ? std::string() : "<" + open.back() + "> never closed";
}

TEST(HelpPage, TagBalanceCheckFindsFaults) {
  EXPECT_EQ(tag_balance_error("<p><b>x</b></p><br><img src='a'>"), "");
  EXPECT_NE(tag_balance_error("<p><b>x</p></b>"), "");
  EXPECT_NE(tag_balance_error("<div>"), "");
  EXPECT_NE(tag_balance_error("<p>x</p></br>"), "");
  EXPECT_NE(tag_balance_error("<p x"), "");
}

TEST(HelpPage, IsWellFormedHtmlCoveringTheGameInJapaneseAndEnglish) {
  struct Page {
    const char *file, *lang;
    std::vector<const char*> topics;
  } pages[] = {
      {"Velmora.htm",
       "ja",
       {"鏡駒", "(10−x, 10−y)", "対局", "ｵﾌﾟｼｮﾝ", "COM対局ﾚﾍﾞﾙ", "12級", "名人", "棋譜", "Velmora.ini",
        "背景画", "移動指導", "経過時間", "BGM", "国際式", "スクリーンリーダー", "７七 歩 先手",
        "Ctrl</kbd>+<kbd>L"}},
      // The English page explains the mirror rule in the words of its menus.
      {"Velmora.en.htm",
       "en",
       {"mirror rule", "(10−x, 10−y)", "Game", "Options", "Computer Level", "12 kyu", "Meijin", "Record",
        "Velmora.ini", "Background", "Show Legal Moves", "Show Thinking Time", "Music", "International", "7g",
        "3c", "screen reader", "7g pawn, sente", "P-7f, mirror P3c-3d"}},
  };
  for (const Page& page : pages) {
    const std::string html = read_file(std::filesystem::path(VELMORA_SOURCE_DIR) / "assets" / page.file);
    ASSERT_FALSE(html.empty()) << page.file;
    EXPECT_EQ(tag_balance_error(html), "") << page.file;
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<html lang=\"" + std::string(page.lang) + "\">"), std::string::npos) << page.file;
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    for (const char* topic : page.topics)
      EXPECT_NE(html.find(topic), std::string::npos) << page.file << ": " << topic;
  }
}

TEST_F(Help, InEnglishThePageInEnglishOpens) {
  ASSERT_TRUE(言語_設定(f.lang, {"en"}));
  KAISETU_Click(f);
  write_file("Velmora.htm", "<html></html>");  // the Japanese page beside it is not the English one
  KAISETU_Click(f);
  ASSERT_EQ(w.desktop.opened.size(), 2u);
  EXPECT_TRUE(w.desktop.opened[0].ends_with("/data/Velmora.en.htm")) << w.desktop.opened[0];
  EXPECT_TRUE(w.desktop.opened[1].ends_with("/data/Velmora.en.htm")) << w.desktop.opened[1];
}

}  // namespace
}  // namespace velmora
