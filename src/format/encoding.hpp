// Text encodings of Velmora's files: Shift-JIS (CP932) on disk, UTF-8 in
// memory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

bool 正しいUTF8(std::string_view bytes);

// CP932 bytes → UTF-8; nullopt when the bytes are not valid CP932.
std::optional<std::string> cp932からutf8(std::string_view bytes);

// UTF-8 → CP932; nullopt when a character has no CP932 form.
std::optional<std::string> utf8からcp932(std::string_view text);

// Text read from a file: valid UTF-8 stays UTF-8, anything else is read as
// CP932; bytes that are neither come back with U+FFFD in their place.
std::string 読込テキスト(std::string_view bytes);

}  // namespace velmora
