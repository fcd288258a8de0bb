// The language the window speaks. Its texts are written in Japanese, the
// source language; another language is a message catalogue compiled from
// po/LL.po and looked up by the Japanese text, as gettext does. Every text the
// player sees goes through tr() where it is shown (xgettext collects the
// calls), and a language is chosen by the environment or "--lang".
#pragma once

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "format/message_catalogue.hpp"
#include "rules/translatable.hpp"

namespace velmora {

struct 言語 {
  std::string 名前;  // the catalogue's language ("en"); empty for the source texts
  翻訳目録 目録;
};

// Whether the window shows its source texts, laid out as they always were.
inline bool 原文(const 言語& l) { return l.名前.empty(); }

// The text in the window's language; the source text itself when the
// catalogue has no translation of it. Only texts that outlive the call (the
// literals of the source) may be looked up.
std::string_view tr(const 言語& l, std::string_view text);
// The same for a text that means different things in different places: the
// context tells them apart.
std::string_view tr(const 言語& l, std::string_view context, std::string_view text);
// A temporary text would be gone before its translation is used.
template <typename T>
requires std::same_as<T, std::string> std::string_view tr(const 言語&, T&&)
= delete;
template <typename T>
requires std::same_as<T, std::string> std::string_view tr(const 言語&, std::string_view, T&&)
= delete;

// The text with every "{NAME}" replaced by its value; unknown names stay.
std::string 差込(std::string_view text,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values);

// The languages one locale name stands for, best first: the name without
// its encoding and modifier, then without its country ("en_GB.UTF-8" →
// "en_GB", "en"). A name is a language of ASCII letters, then maybe "_" and
// a country of letters and digits; anything else ("../x", "") stands for no
// language, so that no name can lead a catalogue's path elsewhere.
std::vector<std::string> 言語名の候補(std::string_view locale);

// The languages the desktop asks for, best first, read as gettext reads its
// environment: the locale is the first of LC_ALL, LC_MESSAGES and LANG that is
// set; the list in LANGUAGE comes before it, but not when the locale is C or
// POSIX, which keep the source texts. Each name as 言語名の候補 reads it.
std::vector<std::string> 言語の候補(std::string_view language, std::string_view lc_all,
                                    std::string_view lc_messages, std::string_view lang);

// The language of the first candidate that is Japanese (the source texts) or
// has a catalogue that can be read; the source texts when none has. False
// when the candidates were not empty and none of them could be used; then
// `damaged`, when given, names the first catalogue found that is damaged (or
// is empty when there was none), so that a damaged catalogue is not taken for
// a missing one.
bool 言語_設定(言語& l, const std::vector<std::string>& candidates, std::string* damaged = nullptr);

// The languages there are, in alphabetical order: "ja" and every language with a catalogue.
std::vector<std::string> 言語一覧();

}  // namespace velmora
