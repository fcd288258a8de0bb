#include "game/language.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "format/files.hpp"
#include "game/data_files.hpp"

namespace velmora {

namespace {

namespace fs = std::filesystem;

#ifndef VELMORA_LOCALE_DIR
#define VELMORA_LOCALE_DIR ""
#endif
#ifndef VELMORA_INSTALL_LOCALE_DIR
#define VELMORA_INSTALL_LOCALE_DIR ""
#endif

// Where the catalogues are: share/locale of the installation the program
// runs from (wherever it was moved to), the build tree's, the installed one.
std::vector<fs::path> 目録の場所() {
  std::vector<fs::path> dirs;
  if (const fs::path share = 導入先の共有フォルダ(); !share.empty()) dirs.push_back(share / "locale");
  for (const char* dir : {VELMORA_LOCALE_DIR, VELMORA_INSTALL_LOCALE_DIR})
    if (*dir) dirs.emplace_back(dir);
  return dirs;
}

fs::path 目録ファイル(const fs::path& dir, std::string_view language) {
  return dir / std::string(language) / "LC_MESSAGES" / "velmora.mo";
}

bool 原文の言語(std::string_view name) { return name == "ja" || name.starts_with("ja_"); }

}  // namespace

std::string_view tr(const 言語& l, std::string_view text) {
  if (原文(l)) return text;
  const std::string_view translated = l.目録.検索(text);
  return translated.empty() ? text : translated;
}

std::string_view tr(const 言語& l, std::string_view context, std::string_view text) {
  if (原文(l)) return text;
  std::string key;
  key.reserve(context.size() + 1 + text.size());
  key.append(context).append(1, '\x04').append(text);
  const std::string_view translated = l.目録.検索(key);
  return translated.empty() ? text : translated;
}

std::string 差込(std::string_view text,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::size_t open = text.find('{');
    const std::size_t close = open == std::string_view::npos ? open : text.find('}', open);
    if (close == std::string_view::npos) break;
    const std::string_view name = text.substr(open + 1, close - open - 1);
    const auto value =
        std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == name; });
    out.append(text.substr(0, open));
    if (value != values.end())
      out.append(value->second);
    else
      out.append(text.substr(open, close - open + 1));
    text.remove_prefix(close + 1);
  }
  out.append(text);
  return out;
}

std::vector<std::string> 言語名の候補(std::string_view locale) {
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  const std::size_t underscore = name.find('_');
  const std::string_view language = name.substr(0, underscore);
  const std::string_view country =
      underscore == std::string_view::npos ? std::string_view() : name.substr(underscore + 1);
  const auto letters = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  const auto digits = [](char c) { return c >= '0' && c <= '9'; };
  if (language.empty() || !std::all_of(language.begin(), language.end(), letters)) return {};
  if (underscore == std::string_view::npos) return {std::string(language)};
  if (country.empty() ||
      !std::all_of(country.begin(), country.end(), [&](char c) { return letters(c) || digits(c); }))
    return {};
  return {std::string(name), std::string(language)};
}

std::vector<std::string> 言語の候補(std::string_view language, std::string_view lc_all,
                                    std::string_view lc_messages, std::string_view lang) {
  const std::string_view locale = !lc_all.empty() ? lc_all : !lc_messages.empty() ? lc_messages : lang;
  if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.")) return {};

  std::vector<std::string> names;
  auto add = [&](std::string_view name) {
    for (std::string& n : 言語名の候補(name))
      if (std::find(names.begin(), names.end(), n) == names.end()) names.push_back(std::move(n));
  };
  for (std::string_view rest = language; !rest.empty();) {
    const std::size_t colon = rest.find(':');
    add(rest.substr(0, colon));
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
  }
  add(locale);
  return names;
}

bool 言語_設定(言語& l, const std::vector<std::string>& candidates, std::string* damaged) {
  if (damaged) damaged->clear();
  for (const std::string& name : candidates) {
    // Only a name that is a language: never a path.
    if (言語名の候補(name).empty() || 言語名の候補(name).front() != name) continue;
    if (原文の言語(name)) {
      l = {};
      return true;
    }
    for (const fs::path& dir : 目録の場所()) {
      const fs::path file = 目録ファイル(dir, name);
      auto bytes = 読込_ファイル全体(file, 目録の上限);
      言語 found{name, {}};
      if (bytes && 解析_翻訳目録(std::move(*bytes), found.目録) == 目録の誤り::なし) {
        l = std::move(found);
        if (damaged) damaged->clear();
        return true;
      }
      std::error_code ec;
      if (damaged && damaged->empty() && fs::exists(file, ec)) *damaged = file.string();
    }
  }
  l = {};
  return candidates.empty();
}

std::vector<std::string> 言語一覧() {
  std::vector<std::string> names{"ja"};
  for (const fs::path& dir : 目録の場所()) {
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      std::error_code exists;
      if (fs::is_regular_file(目録ファイル(dir, name), exists) &&
          std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace velmora
