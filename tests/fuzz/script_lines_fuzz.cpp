// velmora-script's line handling on whole scripts of arbitrary bytes, against
// the slow way: every byte but the line ends lands in exactly one line, a line
// ends at LF, CR LF or a lone CR, fields are the runs between blanks (space,
// tab, CR) and a last field takes the rest, and no number read is NaN or
// infinite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string script(reinterpret_cast<const char*>(data), size);
  std::size_t expected_lines = 0, end_bytes = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (script[i] == '\n' || script[i] == '\r') ++end_bytes;
    if (script[i] == '\n' || (script[i] == '\r' && (i + 1 == size || script[i + 1] != '\n')))
      ++expected_lines;
  }
  if (size > 0 && script.back() != '\n' && script.back() != '\r') ++expected_lines;

  std::istringstream in(script);
  std::string line;
  std::size_t lines = 0, bytes = 0;
  while (read_script_line(in, line)) {
    if (line.find_first_of("\r\n") != std::string::npos) std::abort();
    ++lines;
    bytes += line.size();
    check_fields(line);
  }
  if (lines != expected_lines || bytes + end_bytes != size) std::abort();
  check_fields(script);  // the splitter on its own, line ends and all
  return 0;
}
