// The header that opens a wave file: "RIFF", the size of everything after
// these eight bytes (32-bit little-endian), "WAVE". Only the header tells how
// long the file claims to be: the game reads the file whole, the sound library
// is handed the image's address alone, and both ask here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

namespace velmora {

// The `available` of an image whose length only its header tells.
inline constexpr std::size_t 長さ不明 = std::numeric_limits<std::size_t>::max();

// The bytes the image's header claims for the whole file (its size field + 8).
// nullopt for a null image, one that does not start "RIFF" … "WAVE", one
// shorter than the header, and one whose claim exceeds the `available` bytes.
// The header is read in order, the eight letters before the size, and no
// further than the first byte that is wrong: an image that is no wave is
// refused before anything past that byte is read, whatever its length.
inline std::optional<std::size_t> RIFFの長さ(const std::uint8_t* image, std::size_t available) {
  if (image == nullptr) return std::nullopt;
  const auto letters_at = [&](std::size_t at, const char(&letters)[5]) {
    for (std::size_t i = 0; i < 4; ++i)
      if (at + i >= available || image[at + i] != static_cast<std::uint8_t>(letters[i])) return false;
    return true;
  };
  if (!letters_at(0, "RIFF") || !letters_at(8, "WAVE")) return std::nullopt;
  const std::uint64_t claimed = (std::uint64_t{image[4]} | std::uint64_t{image[5]} << 8 |
                                 std::uint64_t{image[6]} << 16 | std::uint64_t{image[7]} << 24) +
                                8;
  if (claimed > available) return std::nullopt;
  return static_cast<std::size_t>(claimed);
}

}  // namespace velmora
