// Text encodings of Velmora's files: Shift-JIS (CP932) on disk, UTF-8 in
// memory.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

bool 正しいUTF8(std::string_view bytes);
// The length of the UTF-8 character that starts at bytes[i] (i < size), or 0
// when no valid one starts there.
std::size_t UTF8の文字長(std::string_view bytes, std::size_t i);

// CP932 bytes → UTF-8; nullopt when the bytes are not valid CP932.
std::optional<std::string> cp932からutf8(std::string_view bytes);

// UTF-8 → CP932; nullopt when a character has no CP932 form.
std::optional<std::string> utf8からcp932(std::string_view text);

// Text read from a file: valid UTF-8 stays UTF-8, anything else is read as
// CP932; bytes that are neither come back with U+FFFD in their place.
std::string 読込テキスト(std::string_view bytes);

}  // namespace velmora
