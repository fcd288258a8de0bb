#include "script/lines.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmora {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

template <typename T>
bool parse_whole(std::string_view s, T& out) {
  const char* first = s.data();
  const char* last = s.data() + s.size();
  if (first != last && *first == '+') ++first;
  T value{};
  const auto [p, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || p != last) return false;
  out = value;
  return true;
}

}  // namespace

行読込 script_lines(行読込::読み口 read) { return 行読込(std::move(read), kLongestScriptLine); }

行読込::読み口 read_from_memory(std::string script, std::size_t piece) {
  return
      [script = std::move(script), piece, at = std::size_t{0}](char* to, std::size_t n) mutable -> ssize_t {
        const std::size_t count = std::min({n, piece, script.size() - at});
        script.copy(to, count, at);
        at += count;
        return static_cast<ssize_t>(count);
      };
}

std::vector<std::string_view> split_fields(std::string_view line, std::size_t max_fields) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && is_blank(line[i])) ++i;
    if (i == line.size()) break;
    std::size_t end = i;
    if (fields.size() + 1 == max_fields) {
      end = line.size();
      while (is_blank(line[end - 1])) --end;
    } else {
      while (end < line.size() && !is_blank(line[end])) ++end;
    }
    fields.push_back(line.substr(i, end - i));
    i = end;
    if (fields.size() == max_fields) break;
  }
  return fields;
}

bool parse_number(std::string_view s, int& out) { return parse_whole(s, out); }

bool parse_number(std::string_view s, double& out) {
  double value = 0;
  if (!parse_whole(s, value) || !std::isfinite(value)) return false;
  out = value;
  return true;
}

}  // namespace velmora
