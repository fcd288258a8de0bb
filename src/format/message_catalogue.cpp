#include "format/message_catalogue.hpp"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::uint32_t 魔法数 = 0x950412de;

// The .mo file's words are in the byte order of the machine that wrote it;
// the magic number tells which.
struct 読み手 {
  std::string_view bytes;
  bool swapped = false;

  bool word(std::uint64_t at, std::uint32_t& out) const {
    if (at + 4 > bytes.size()) return false;
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const auto b = static_cast<std::uint8_t>(bytes[at + i]);
      v |= static_cast<std::uint32_t>(b) << (swapped ? 8 * (3 - i) : 8 * i);
    }
    out = v;
    return true;
  }
};

}  // namespace

std::string_view 翻訳目録::検索(std::string_view key) const {
  const auto it = std::lower_bound(entries_.begin(), entries_.end(), key,
                                   [this](const 項目& e, std::string_view k) { return view(e.key) < k; });
  if (it == entries_.end() || view(it->key) != key) return {};
  return view(it->text);
}

目録の誤り 解析_翻訳目録(std::string bytes, 翻訳目録& out) {
  if (bytes.size() > 目録の上限) return 目録の誤り::大きさ;
  読み手 r{bytes};
  std::uint32_t magic = 0, revision = 0, count = 0, originals = 0, translations = 0;
  if (!r.word(0, magic)) return 目録の誤り::形式;
  if (magic != 魔法数) {
    r.swapped = true;
    if (!r.word(0, magic) || magic != 魔法数) return 目録の誤り::形式;
  }
  if (!r.word(4, revision) || (revision >> 16) > 1) return 目録の誤り::形式;
  if (!r.word(8, count) || !r.word(12, originals) || !r.word(16, translations)) return 目録の誤り::範囲;

  // A text: its length and offset in a table; the byte after it must be NUL.
  auto text = [&](std::uint32_t table, std::uint32_t i, 翻訳目録::範囲& t) {
    const std::uint64_t at = table + 8ull * i;
    if (!r.word(at, t.length) || !r.word(at + 4, t.offset)) return false;
    const std::uint64_t end = std::uint64_t{t.offset} + t.length;
    return end < bytes.size() && bytes[end] == '\0';
  };

  std::vector<翻訳目録::項目> entries;
  entries.reserve(std::min<std::uint64_t>(count, bytes.size() / 16));
  std::uint64_t total = 0;  // the bytes of every text together
  for (std::uint32_t i = 0; i < count; ++i) {
    翻訳目録::項目 e;
    if (!text(originals, i, e.key) || !text(translations, i, e.text)) return 目録の誤り::範囲;
    total += std::uint64_t{e.key.length} + e.text.length;
    if (total > bytes.size()) return 目録の誤り::大きさ;
    const std::string_view key(bytes.data() + e.key.offset, e.key.length);
    const std::string_view translated(bytes.data() + e.text.offset, e.text.length);
    if (key.empty()) {
      // The header entry: the texts must be UTF-8, whatever else it says.
      if (translated.find("charset=UTF-8") == std::string_view::npos) return 目録の誤り::文字コード;
      continue;
    }
    // A plural entry is kept under its singular text, with its first form.
    e.key.length = static_cast<std::uint32_t>(key.substr(0, key.find('\0')).size());
    e.text.length = static_cast<std::uint32_t>(translated.substr(0, translated.find('\0')).size());
    entries.push_back(e);
  }
  const auto key_of = [&](const 翻訳目録::項目& e) {
    return std::string_view(bytes.data() + e.key.offset, e.key.length);
  };
  std::sort(entries.begin(), entries.end(),
            [&](const auto& a, const auto& b) { return key_of(a) < key_of(b); });

  out.bytes_ = std::move(bytes);
  out.entries_ = std::move(entries);
  return 目録の誤り::なし;
}

}  // namespace velmora
