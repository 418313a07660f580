// An MP3 file read into memory with its frame index, shared by the player and the thread
// decoding it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "player/mp3_scanner.h"

namespace sonorix {

struct LoadedSong {
  std::vector<std::uint8_t> bytes;
  Mp3Info info;

  // The whole frames [first, last), back to back, with any junk between them left out.
  std::vector<std::uint8_t> Frames(std::size_t first, std::size_t last) const;
  std::size_t FrameBytes(std::size_t index) const;
  std::optional<Mp3FrameHeader> Header(std::size_t index) const;
};

// Null when the file (a UTF-8 path) cannot be read, is empty or holds no MPEG audio frames.
std::shared_ptr<const LoadedSong> LoadSong(const std::string& path);

}  // namespace sonorix
