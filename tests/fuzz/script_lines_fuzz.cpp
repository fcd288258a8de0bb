// velmora-script's line handling on whole scripts of arbitrary bytes, against
// the slow way: a line ends at LF, CR LF or a lone CR, every line comes back
// whole however the bytes arrive, a line longer than the bound comes back as
// one "too long" and is never kept, fields are the runs between blanks
// (space, tab, CR) and a last field takes the rest, and no number read is NaN
// or infinite. The first two bytes choose the size of the pieces the bytes
// arrive in and a small bound, so that long lines are met too.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "script/lines.hpp"

using namespace velmora;

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

void check_fields(std::string_view line) {
  std::vector<std::string_view> runs;
  for (std::size_t i = 0, j = 0; i < line.size(); i = j) {
    for (j = i; j < line.size() && blank(line[j]) == blank(line[i]); ++j) {
    }
    if (!blank(line[i])) runs.push_back(line.substr(i, j - i));
  }
  if (split_fields(line, 0) != runs) std::abort();
  auto rest = runs;
  if (rest.size() > 3) {
    std::size_t end = line.size();
    while (blank(line[end - 1])) --end;
    rest.resize(3);
    rest[2] = line.substr(rest[2].data() - line.data(), end - (rest[2].data() - line.data()));
  }
  if (split_fields(line, 3) != rest) std::abort();
  double d = 0;
  int n = 0;
  for (std::string_view f : runs) {
    if (parse_number(f, d) && !std::isfinite(d)) std::abort();
    (void)parse_number(f, n);
  }
}

// The lines the slow way; one longer than `most` as "\n" (no line holds one).
std::vector<std::string> slow_lines(const std::string& s, std::size_t most) {
  std::vector<std::string> out;
  std::string line;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\n' || s[i] == '\r') {
      out.push_back(line.size() > most ? "\n" : line);
      line.clear();
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    } else {
      line += s[i];
    }
  }
  if (!line.empty()) out.push_back(line.size() > most ? "\n" : line);
  return out;
}

std::vector<std::string> read_lines(行読込 reader) {
  std::vector<std::string> out;
  std::string line;
  for (行読込::結果 r; (r = reader.次(line)) != 行読込::結果::終わり;) {
    if (r == 行読込::結果::読込誤り) std::abort();
    if (r == 行読込::結果::長すぎ && !line.empty()) std::abort();
    out.push_back(r == 行読込::結果::長すぎ ? "\n" : line);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t piece = 1 + data[0] % 16, most = 1 + data[1] % 32;
  const std::string script(reinterpret_cast<const char*>(data) + 2, size - 2);

  if (read_lines(行読込(read_from_memory(script, piece), most)) != slow_lines(script, most)) std::abort();
  const std::vector<std::string> lines = read_lines(script_lines(read_from_memory(script, piece)));
  if (lines != slow_lines(script, kLongestScriptLine)) std::abort();
  for (const std::string& line : lines) check_fields(line);
  check_fields(script);  // the splitter on its own, line ends and all
  return 0;
}
