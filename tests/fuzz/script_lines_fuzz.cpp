// velmora-script's line handling on whole scripts of arbitrary bytes: every
// byte but the line ends lands in exactly one line, a line ends at LF, CR LF
// or a lone CR, fields are non-empty runs between blanks (space, tab, CR), and
// no number read is NaN or infinite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "script/lines.hpp"

using namespace velmora;

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

void check_fields(std::string_view line, std::size_t max_fields) {
  const auto fields = split_fields(line, max_fields);
  if (max_fields > 0 && fields.size() > max_fields) std::abort();
  const char* end = line.data();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string_view f = fields[i];
    if (f.empty() || f.data() < end || f.data() + f.size() > line.data() + line.size()) std::abort();
    if (blank(f.front()) || blank(f.back())) std::abort();
    // Only blanks lie between fields; only the rest-of-line field holds any.
    for (const char* p = end; p < f.data(); ++p)
      if (!blank(*p)) std::abort();
    if (i + 1 != max_fields)
      for (char c : f)
        if (blank(c)) std::abort();
    end = f.data() + f.size();
  }
  for (const char* p = end; p < line.data() + line.size(); ++p)
    if (!blank(*p)) std::abort();
  double d = 0;
  int n = 0;
  for (std::string_view f : fields) {
    if (parse_number(f, d) && !std::isfinite(d)) std::abort();
    (void)parse_number(f, n);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string script(reinterpret_cast<const char*>(data), size);
  // The lines and their ends, counted the slow way.
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
    for (std::size_t max_fields : {0, 1, 2, 3}) check_fields(line, max_fields);
  }
  if (lines != expected_lines || bytes + end_bytes != size) std::abort();
  // The splitter on its own, line ends and all.
  for (std::size_t max_fields : {0, 3}) check_fields(script, max_fields);
  return 0;
}
