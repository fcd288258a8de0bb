// How velmora-script reads its events: lines, the fields of a line, and the
// numbers in a field. Nothing here knows the events themselves.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The next line of a script without its end. A line ends at LF, at CR LF or
// at a lone CR, as old Mac editors write; false when no line is left.
bool read_script_line(std::istream& in, std::string& line);

// The fields of a line, separated by blanks (space, tab, CR). With
// max_fields > 0 the last field is the rest of the line without the blanks
// that end it. Every field is non-empty.
std::vector<std::string_view> split_fields(std::string_view line, std::size_t max_fields);

// A whole field as a decimal number, an optional '+' first. Non-finite
// values ("nan", "inf") are refused like any other text.
bool parse_number(std::string_view s, int& out);
bool parse_number(std::string_view s, double& out);

}  // namespace velmora
