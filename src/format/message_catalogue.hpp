// A message catalogue as GNU msgfmt compiles it (a ".mo" file): every text the
// game shows, in the source language, with its translation. A text with a
// context is kept under the context, the byte 0x04 and the text, as gettext
// keeps it. Reading checks every offset and length against the file and
// never throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class 目録の誤り {
  なし,
  形式,        // no catalogue: the magic number or the revision is wrong
  範囲,        // a table or a text lies outside the file, or a text is not ended by NUL
  文字コード,  // the catalogue's texts are not UTF-8
  大きさ,      // larger than 目録の上限, or its texts together longer than the file
};

// The most a catalogue may hold. The game's own catalogues hold a few hundred
// texts in some tens of kilobytes; msgfmt writes every text once, so all the
// texts together are never longer than the file. Both bounds keep the work
// of reading any file short: texts that share their bytes many times over
// once made the sort compare megabytes for every pair.
inline constexpr std::size_t 目録の上限 = 4 * 1024 * 1024;

class 翻訳目録 {
 public:
  // The translation of `key` (a text, or context "\x04" text); empty when the
  // catalogue has none. An untranslated entry is empty in the file as well.
  std::string_view 検索(std::string_view key) const;
  bool 空() const { return entries_.empty(); }
  std::size_t 件数() const { return entries_.size(); }
  // Entry i (0 ≤ i < 件数()), sorted by key: its key and its translation.
  std::string_view 原文(std::size_t i) const { return view(entries_[i].key); }
  std::string_view 訳文(std::size_t i) const { return view(entries_[i].text); }

  friend 目録の誤り 解析_翻訳目録(std::string bytes, 翻訳目録& out);

 private:
  struct 範囲 {
    std::uint32_t offset = 0, length = 0;
  };
  struct 項目 {
    範囲 key, text;
  };
  std::string_view view(範囲 r) const { return std::string_view(bytes_).substr(r.offset, r.length); }

  std::string bytes_;
  std::vector<項目> entries_;  // without the header entry, sorted by key
};

// Parses a whole .mo file. On an error `out` is left as it was.
目録の誤り 解析_翻訳目録(std::string bytes, 翻訳目録& out);

}  // namespace velmora
