// Decodes MPEG Layer III frames to 16-bit PCM with the MP3 codec Windows installs, through the
// Audio Compression Manager.
#pragma once

// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>
// clang-format on

#include <cstdint>
#include <memory>
#include <span>
#include <type_traits>
#include <vector>

#include "player/mp3_scanner.h"

namespace sonorix {

class AcmMp3Decoder {
  struct StreamCloser {
    void operator()(HACMSTREAM stream) const { acmStreamClose(stream, 0); }
  };
  using UniqueStream = std::unique_ptr<std::remove_pointer_t<HACMSTREAM>, StreamCloser>;
  // Lets Open build one with make_unique while nothing else can.
  struct Key {
    explicit Key() = default;
  };

 public:
  AcmMp3Decoder(Key, UniqueStream stream, const WAVEFORMATEX& pcm, std::size_t outputBytes);
  // Null when no installed codec decodes this stream.
  static std::unique_ptr<AcmMp3Decoder> Open(const Mp3Info& info);
  ~AcmMp3Decoder();
  AcmMp3Decoder(const AcmMp3Decoder&) = delete;
  AcmMp3Decoder& operator=(const AcmMp3Decoder&) = delete;

  // Appends the PCM of whole frames, given in order, to `pcm`. A codec may hold some output
  // back until later frames or Finish. False when the codec fails.
  bool Decode(std::span<const std::uint8_t> frames, std::vector<std::uint8_t>& pcm);
  // Appends what the codec still holds after the last frame.
  bool Finish(std::vector<std::uint8_t>& pcm);

  const WAVEFORMATEX& PcmFormat() const { return pcm_; }

 private:
  bool Prepare();
  bool Convert(DWORD flags, std::vector<std::uint8_t>& pcm);
  bool ConvertOnce(DWORD flags, std::vector<std::uint8_t>& pcm, bool& progressed);

  UniqueStream stream_;
  WAVEFORMATEX pcm_;
  std::vector<std::uint8_t> input_;
  std::vector<std::uint8_t> output_;
  std::vector<std::uint8_t> pending_;  // frames the codec has not taken yet
  ACMSTREAMHEADER header_{};
  bool prepared_ = false;
  bool started_ = false;
};

}  // namespace sonorix
