// Builders and file access shared by the MP3 scanner tests.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace sonorix::mp3_test {

using Data = std::vector<std::uint8_t>;
using Header = std::array<std::uint8_t, 4>;

// MPEG-1 Layer III, 128 kbit/s, 44.1 kHz, stereo, no padding: 417-byte frames.
constexpr Header kHeader128 = {0xFF, 0xFB, 0x90, 0x00};
constexpr std::size_t kFrame128 = 417;

inline Data ReadTestFile(const std::string& name) {
  std::ifstream in(std::string(SONORIX_TEST_MP3_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return Data(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline Data Join(std::initializer_list<Data> parts) {
  Data out;
  for (const Data& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

inline Data Text(const std::string& text) { return Data(text.begin(), text.end()); }

// Zero bodies are enough: the scanner reads headers only.
inline Data Frames(const Header& header, int count, std::size_t frame_bytes = kFrame128) {
  Data out;
  for (int i = 0; i < count; ++i) {
    out.insert(out.end(), header.begin(), header.end());
    out.resize(out.size() + frame_bytes - header.size());
  }
  return out;
}

inline Data RandomBytes(std::size_t count, std::uint32_t seed) {
  std::mt19937 random(seed);
  Data out(count);
  for (auto& byte : out) byte = static_cast<std::uint8_t>(random());
  return out;
}

}  // namespace sonorix::mp3_test
