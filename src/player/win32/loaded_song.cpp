#include "player/win32/loaded_song.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <optional>

#include "core/win32/long_path.h"
#include "core/win32/win32_handle.h"

namespace sonorix {

namespace {

// Far past any song; a bigger file is refused rather than risking an allocation failure.
constexpr long long kMaxFileBytes = 1LL << 30;

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
  // Wide names reach files whose names Windows-1252 cannot spell, and the
  // long form those in folders deeper than MAX_PATH.
  const UniqueHandle file = Adopt(CreateFileW(
      LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) return std::nullopt;
  if (size.QuadPart <= 0 || size.QuadPart > kMaxFileBytes) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, want, &got, nullptr)) return std::nullopt;
    if (got == 0) break;  // shrank since its size was read: keep what is there
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace

std::optional<Mp3FrameHeader> LoadedSong::Header(std::size_t index) const {
  return ParseMp3FrameHeader(std::span(bytes).subspan(info.frame_offsets[index]));
}

std::size_t LoadedSong::FrameBytes(std::size_t index) const {
  const auto header = Header(index);
  // The scanner only indexes whole frames with valid headers; the clamp is for safety alone.
  return header ? std::min(header->FrameBytes(), bytes.size() - info.frame_offsets[index]) : 0;
}

std::vector<std::uint8_t> LoadedSong::Frames(std::size_t first, std::size_t last) const {
  std::vector<std::uint8_t> out;
  for (std::size_t i = first; i < last && i < info.FrameCount(); ++i) {
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(info.frame_offsets[i]);
    out.insert(out.end(), begin, begin + static_cast<std::ptrdiff_t>(FrameBytes(i)));
  }
  return out;
}

std::shared_ptr<const LoadedSong> LoadSong(const std::string& path) {
  try {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return nullptr;
    auto info = ScanMp3(*bytes);
    if (!info || info->sample_rate <= 0) return nullptr;
    return std::make_shared<const LoadedSong>(LoadedSong{std::move(*bytes), std::move(*info)});
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace sonorix
