// velmora-script's line reader: the lines of a script as they come, however
// the bytes arrive, a bound on every line, and the fields and numbers of a
// line.
#include "script/lines.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

// Every line of `script`, handed over `piece` bytes at a time; a line too
// long shows as "<too long>".
Lines read_all(const std::string& script, std::size_t piece) {
  行読込 lines = script_lines(read_from_memory(script, piece));
  Lines out;
  std::string line;
  for (行読込::結果 r; (r = lines.次(line)) != 行読込::結果::終わり;) {
    EXPECT_NE(r, 行読込::結果::読込誤り);
    out.push_back(r == 行読込::結果::長すぎ ? "<too long>" : line);
  }
  return out;
}

TEST(ScriptLines, EveryLineEndIsOneLineInAnyPieces) {
  const std::string script = "menu START\r\nclick 7 7\rclick 7 6\n\n# note\r\r\ndump";
  const Lines expected{"menu START", "click 7 7", "click 7 6", "", "# note", "", "dump"};
  for (std::size_t piece : {1, 2, 7, 65536}) EXPECT_EQ(read_all(script, piece), expected) << piece;
  EXPECT_EQ(read_all("dump\n", 1), Lines{"dump"});
  EXPECT_EQ(read_all("", 1), Lines{});
}

// A line of more than 64 KiB is one error, never kept: the runner stays small
// whatever it is given (an endless line of NULs used to grow it until memory
// ran out), and the line after it is an event as usual.
TEST(ScriptLines, ALineLongerThanTheBoundIsOneErrorAndTheNextLineIsRead) {
  const std::string longest(kLongestScriptLine, 'x');
  EXPECT_EQ(read_all("set Text2 " + longest + "\ndump\n", 4096), (Lines{"<too long>", "dump"}));
  EXPECT_EQ(read_all(longest + "\ndump\n", 4096), (Lines{longest, "dump"}));
  EXPECT_EQ(read_all(std::string(3 * kLongestScriptLine, '\0') + "\r\ndump", 65536),
            (Lines{"<too long>", "dump"}));
}

TEST(ScriptLines, FieldsAreTheRunsBetweenBlanksAndTheLastMayTakeTheRest) {
  using Fields = std::vector<std::string_view>;
  EXPECT_EQ(split_fields("  click\t7  7\r", 0), (Fields{"click", "7", "7"}));
  EXPECT_EQ(split_fields("", 0), Fields{});
  EXPECT_EQ(split_fields(" \t\r ", 0), Fields{});
  // The rest of the line, inner blanks and all, without the blanks that end it.
  EXPECT_EQ(split_fields("set Text2  名人 戦  \t", 3), (Fields{"set", "Text2", "名人 戦"}));
  EXPECT_EQ(split_fields("open  a b.棋譜", 2), (Fields{"open", "a b.棋譜"}));
  EXPECT_EQ(split_fields("set Text2", 3), (Fields{"set", "Text2"}));
}

TEST(ScriptLines, NumbersAreWholeFieldsAndFinite) {
  int n = -1;
  double d = -1;
  EXPECT_TRUE(parse_number("27", n) && n == 27);
  EXPECT_TRUE(parse_number("+3", n) && n == 3);
  EXPECT_TRUE(parse_number("-2", n) && n == -2);
  EXPECT_TRUE(parse_number("2.5", d) && d == 2.5);
  EXPECT_TRUE(parse_number("+1e2", d) && d == 100);
  n = 5;
  d = 5;
  for (const char* bad : {"", "+", "7x", " 7", "7 ", "0x10", "++1", "2.5"})
    EXPECT_FALSE(parse_number(bad, n)) << bad;
  for (const char* bad : {"", "nan", "inf", "-Infinity", "1e999", "1,5", "."})
    EXPECT_FALSE(parse_number(bad, d)) << bad;
  EXPECT_EQ(n, 5);  // a number refused leaves the value as it was
  EXPECT_EQ(d, 5);
}

}  // namespace
}  // namespace velmora
