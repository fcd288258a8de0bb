// How velmora-script reads its events: lines, the fields of a line, and the
// numbers in a field. Nothing here knows the events themselves.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "format/files.hpp"

namespace velmora {

// The longest script line; a longer one is an error of its own and is passed
// over without being kept, so no input can make the runner grow.
inline constexpr std::size_t kLongestScriptLine = 64 * 1024;

// The lines of a script as `read` hands its bytes over: each line as soon as
// it is complete, without its end (LF, CR LF or a lone CR, as old Mac editors
// write); a line longer than kLongestScriptLine as 長すぎ.
行読込 script_lines(行読込::読み口 read);

// The bytes of `script` as a 読み口, at most `piece` bytes at a time: a script
// in memory, for the tests and the fuzzer.
行読込::読み口 read_from_memory(std::string script, std::size_t piece = 65536);

// The fields of a line, separated by blanks (space, tab, CR). With
// max_fields > 0 the last field is the rest of the line without the blanks
// that end it. Every field is non-empty.
std::vector<std::string_view> split_fields(std::string_view line, std::size_t max_fields);

// A whole field as a decimal number, an optional '+' first. Non-finite
// values ("nan", "inf") are refused like any other text.
bool parse_number(std::string_view s, int& out);
bool parse_number(std::string_view s, double& out);

}  // namespace velmora
