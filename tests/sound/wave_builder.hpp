// Small wave images made in the tests themselves.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace velmora::testing {

inline void put16(std::string& s, std::uint16_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>(v >> 8);
}
inline void put32(std::string& s, std::uint32_t v) {
  put16(s, static_cast<std::uint16_t>(v & 0xFFFF));
  put16(s, static_cast<std::uint16_t>(v >> 16));
}

// A canonical wave file: "fmt " then "data".
inline std::string wave_image(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                              std::uint16_t bits, const std::string& data) {
  std::string fmt;
  put16(fmt, tag);
  put16(fmt, channels);
  put32(fmt, rate);
  put32(fmt, rate * channels * bits / 8);
  put16(fmt, static_cast<std::uint16_t>(channels * bits / 8));
  put16(fmt, bits);
  std::string body = "WAVEfmt ";
  put32(body, static_cast<std::uint32_t>(fmt.size()));
  body += fmt;
  body += "data";
  put32(body, static_cast<std::uint32_t>(data.size()));
  body += data;
  if (data.size() % 2) body += '\0';
  std::string image = "RIFF";
  put32(image, static_cast<std::uint32_t>(body.size()));
  return image + body;
}

// 32-bit float stereo at 44100 Hz: the mixer's own format, so its samples
// reach the output unchanged.
inline std::string float_stereo_wave(const std::vector<float>& interleaved) {
  std::string data(interleaved.size() * sizeof(float), '\0');
  std::memcpy(data.data(), interleaved.data(), data.size());
  return wave_image(3, 2, 44100, 32, data);
}

inline const std::uint8_t* bytes(const std::string& s) {
  return reinterpret_cast<const std::uint8_t*>(s.data());
}

}  // namespace velmora::testing
