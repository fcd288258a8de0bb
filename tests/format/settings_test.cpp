#include "format/settings.hpp"

#include <gtest/gtest.h>

#include "format/encoding.hpp"

namespace velmora {
namespace {

std::vector<std::pair<std::string, std::string>> pairs(std::string_view bytes) {
  std::vector<std::pair<std::string, std::string>> out;
  for (auto& l : 解析_設定ファイル(bytes)) out.emplace_back(l.key, l.value);
  return out;
}

using P = std::vector<std::pair<std::string, std::string>>;

TEST(SettingsFormat, DefaultFileIsFourCp932LinesWithCrLf) {
  const std::string expected =
      "\x94\x77\x8C\x69\x89\xE6=Velmora\r\n"
      "\x88\xDA\x93\xAE\x8E\x77\x93\xB1=OFF\r\n"
      "\x8C\x6F\x89\xDF\x8E\x9E\x8A\xD4=ON\r\n"
      "BGM=ON\r\n";
  EXPECT_EQ(書式_設定ファイル(設定値{}), expected);
}

TEST(SettingsFormat, WriterFollowsTheOptionsAndLeavesOutAMissingBackground) {
  設定値 v;
  v.背景画 = "煉瓦";
  v.移動指導 = true;
  v.経過時間 = false;
  v.BGM = false;
  EXPECT_EQ(cp932からutf8(書式_設定ファイル(v)), "背景画=煉瓦\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n");
  v.背景画.clear();
  EXPECT_EQ(cp932からutf8(書式_設定ファイル(v)), "移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n");
  // The international pieces add a line of their own after the four.
  v.国際駒 = true;
  EXPECT_EQ(cp932からutf8(書式_設定ファイル(v)), "移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n駒=国際式\r\n");
  // Both extra lines together, each where it stands alone.
  v.最終手表示 = true;
  EXPECT_EQ(cp932からutf8(書式_設定ファイル(v)),
            "移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n最終手表示=ON\r\n駒=国際式\r\n");
}

TEST(SettingsFormat, ReaderSplitsAtTheFirstEqualsSignWithoutTrimming) {
  EXPECT_EQ(pairs("BGM=ON\r\n BGM = OFF \r\na=b=c\r\n=\r\n"),
            (P{{"BGM", "ON"}, {" BGM ", " OFF "}, {"a", "b=c"}, {"", ""}}));
}

TEST(SettingsFormat, ReaderSkipsLinesWithoutEqualsAndAcceptsAnyLineEnd) {
  EXPECT_EQ(pairs("\r\nnothing\r\nBGM=OFF\nx=1\ry=2"), (P{{"BGM", "OFF"}, {"x", "1"}, {"y", "2"}}));
  EXPECT_TRUE(pairs("").empty());
  EXPECT_TRUE(pairs("\r\n\r\n").empty());
}

TEST(SettingsFormat, ReaderTakesCp932AndUtf8WithOrWithoutByteOrderMark) {
  const P want{{"背景画", "竹"}, {"経過時間", "OFF"}};
  EXPECT_EQ(pairs(*utf8からcp932("背景画=竹\r\n経過時間=OFF\r\n")), want);
  EXPECT_EQ(pairs("背景画=竹\n経過時間=OFF\n"), want);
  EXPECT_EQ(pairs("\xEF\xBB\xBF背景画=竹\r\n経過時間=OFF"), want);
}

TEST(SettingsFormat, BackgroundNamesMapToIdentifiersBothWays) {
  for (int id = 2; id <= 6; ++id) EXPECT_EQ(背景識別子(背景名(id)), id);
  EXPECT_EQ(背景識別子("Velmora"), 2);
  EXPECT_EQ(背景識別子("畳"), 3);
  EXPECT_EQ(背景識別子("竹"), 4);
  EXPECT_EQ(背景識別子("宇宙"), 5);
  EXPECT_EQ(背景識別子("煉瓦"), 6);
  EXPECT_EQ(背景識別子("velmora"), 0);
  EXPECT_EQ(背景識別子(""), 0);
  EXPECT_TRUE(背景名(1).empty());
  EXPECT_TRUE(背景名(7).empty());
}

}  // namespace
}  // namespace velmora
