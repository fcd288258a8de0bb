#include "format/message_catalogue.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace velmora {
namespace {

using namespace std::string_literals;
using Entries = std::vector<std::pair<std::string, std::string>>;

// A .mo file as msgfmt lays it out: header, the two tables, then the texts,
// each ended by NUL; in the given byte order.
std::string mo_file(const Entries& entries, bool big_endian = false) {
  std::string out;
  auto word = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (big_endian ? 8 * (3 - i) : 8 * i));
  };
  const auto n = static_cast<std::uint32_t>(entries.size());
  std::uint32_t at = 28 + 16 * n;
  word(0x950412de), word(0), word(n), word(28), word(28 + 8 * n), word(0), word(at);
  std::string texts;
  for (int side = 0; side < 2; ++side)
    for (const auto& e : entries) {
      const std::string& t = side == 0 ? e.first : e.second;
      word(static_cast<std::uint32_t>(t.size())), word(at + static_cast<std::uint32_t>(texts.size()));
      texts += t + '\0';
    }
  return out + texts;
}

const Entries kCatalogue = {{"", "Content-Type: text/plain; charset=UTF-8\n"},
                            {"先手の番です", "Sente to move."},
                            {"棋譜の終わり\x04終わり", "The end."},
                            {"終わり", "Quit"},
                            {"手\0手"s, "move\0moves"s}};

TEST(MessageCatalogue, LooksUpTextsAndContextsInEitherByteOrder) {
  for (bool big : {false, true}) {
    翻訳目録 c;
    ASSERT_EQ(解析_翻訳目録(mo_file(kCatalogue, big), c), 目録の誤り::なし) << big;
    EXPECT_EQ(c.件数(), 4u);  // the header is no text
    EXPECT_EQ(c.検索("先手の番です"), "Sente to move.");
    EXPECT_EQ(c.検索("終わり"), "Quit");
    EXPECT_EQ(c.検索("棋譜の終わり\x04終わり"), "The end.");
    // A plural entry answers for its singular with its first form.
    EXPECT_EQ(c.検索("手"), "move");
    EXPECT_EQ(c.検索("後手の番です"), "");
    EXPECT_EQ(c.検索(""), "");
    // The entries come sorted by their keys.
    for (std::size_t i = 1; i < c.件数(); ++i) EXPECT_LT(c.原文(i - 1), c.原文(i));
  }
}

TEST(MessageCatalogue, RefusesWhatIsNoCatalogueAndKeepsTheOldOne) {
  const std::string good = mo_file(kCatalogue);
  auto with = [&](std::size_t at, std::string_view bytes) {
    std::string s = good;
    s.replace(at, bytes.size(), bytes);
    return s;
  };
  const std::pair<std::string, 目録の誤り> cases[] = {
      {"", 目録の誤り::形式},
      {"\xde\x12\x04", 目録の誤り::形式},
      {with(0, "\x00\x04\x12\xde"s), 目録の誤り::形式},       // a wrong magic number
      {with(4, "\x00\x00\x02\x00"s), 目録の誤り::形式},       // a revision no reader knows
      {good.substr(0, 20), 目録の誤り::範囲},                 // the header cut short
      {with(8, "\xff\xff\xff\x0f"), 目録の誤り::範囲},        // more texts than the file holds
      {with(16, "\xf0\xff\xff\xff"), 目録の誤り::範囲},       // a table beyond the end
      {with(28 + 8, "\x00\x10\x00\x00"s), 目録の誤り::範囲},  // a text longer than the file
      {good.substr(0, good.size() - 1), 目録の誤り::範囲},    // the last text not ended by NUL
      {mo_file({{"", "Content-Type: text/plain; charset=EUC-JP\n"}, {"a", "b"}}), 目録の誤り::文字コード},
  };
  for (const auto& [bytes, error] : cases) {
    翻訳目録 c;
    ASSERT_EQ(解析_翻訳目録(good, c), 目録の誤り::なし);
    EXPECT_EQ(解析_翻訳目録(bytes, c), error) << testing::PrintToString(bytes.substr(0, 32));
    EXPECT_EQ(c.検索("終わり"), "Quit");
  }
}

// A catalogue whose entries share their texts' bytes many times over, or that
// is larger than any catalogue needs to be, is refused before anything is
// sorted: one whose thousand entries all point at one text of 64 KiB (so its
// texts together are a thousand times longer than the file) once cost
// seconds of comparisons at start-up.
TEST(MessageCatalogue, RefusesTextsThatShareTheirBytesOrAFileTooLarge) {
  const std::uint32_t n = 1000, text = 64 * 1024;
  std::string shared;
  auto word = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) shared += static_cast<char>(v >> (8 * i));
  };
  const std::uint32_t at = 28 + 16 * n;
  word(0x950412de), word(0), word(n), word(28), word(28 + 8 * n), word(0), word(0);
  for (std::uint32_t i = 0; i < 2 * n; ++i) word(text), word(at);
  shared += std::string(text, 'a') + '\0';
  翻訳目録 c;
  EXPECT_EQ(解析_翻訳目録(shared, c), 目録の誤り::大きさ);

  std::string large = mo_file(kCatalogue);
  large.resize(目録の上限 + 1, '\0');  // the texts are there, then padding no catalogue needs
  EXPECT_EQ(解析_翻訳目録(large, c), 目録の誤り::大きさ);
  large.resize(目録の上限);
  EXPECT_EQ(解析_翻訳目録(large, c), 目録の誤り::なし);
  EXPECT_EQ(c.検索("終わり"), "Quit");
}

}  // namespace
}  // namespace velmora
