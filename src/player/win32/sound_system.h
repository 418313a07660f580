// What the system offers for playing MP3s: a codec that decodes them and an
// audio device. N and KN editions of Windows and Windows Server ship no MP3
// codec, and a computer may have no sound device at all.
#pragma once

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <memory>

#include "player/win32/audio_sink.h"

namespace sonorix {

class SoundSystem {
 public:
  virtual ~SoundSystem() = default;
  // Whether an installed codec decodes MPEG Layer-3 to PCM.
  virtual bool DecodesMp3() = 0;
  // The default audio device, open for the format; null when none opens.
  virtual std::unique_ptr<AudioSink> OpenDevice(const WAVEFORMATEX& format) = 0;
};

// The ACM codecs and waveOut; one for the whole program.
SoundSystem& WindowsSoundSystem();

}  // namespace sonorix
