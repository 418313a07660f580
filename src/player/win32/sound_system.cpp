#include "player/win32/sound_system.h"

// clang-format off
#include <mmreg.h>
#include <msacm.h>
// clang-format on

#include "player/win32/wave_output.h"

namespace sonorix {

namespace {

class Win32SoundSystem final : public SoundSystem {
 public:
  // Asks the codecs, without opening a stream, for the commonest kind of
  // MP3: 44.1 kHz stereo at 128 kbit/s, into 16-bit PCM.
  bool DecodesMp3() override {
    MPEGLAYER3WAVEFORMAT mp3{};
    mp3.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    mp3.wfx.nChannels = 2;
    mp3.wfx.nSamplesPerSec = 44100;
    mp3.wfx.nAvgBytesPerSec = 128 * 1000 / 8;
    mp3.wfx.nBlockAlign = 1;
    mp3.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    mp3.wID = MPEGLAYER3_ID_MPEG;
    mp3.fdwFlags = MPEGLAYER3_FLAG_PADDING_ISO;
    mp3.nBlockSize = 418;
    mp3.nFramesPerBlock = 1;
    WAVEFORMATEX pcm{};
    pcm.wFormatTag = WAVE_FORMAT_PCM;
    pcm.nChannels = 2;
    pcm.nSamplesPerSec = 44100;
    pcm.wBitsPerSample = 16;
    pcm.nBlockAlign = 4;
    pcm.nAvgBytesPerSec = 44100 * 4;
    return acmStreamOpen(nullptr, nullptr, &mp3.wfx, &pcm, nullptr, 0, 0, ACM_STREAMOPENF_QUERY) ==
           MMSYSERR_NOERROR;
  }

  std::unique_ptr<AudioSink> OpenDevice(const WAVEFORMATEX& format) override {
    return WaveOutput::Open(format);
  }
};

}  // namespace

SoundSystem& WindowsSoundSystem() {
  static Win32SoundSystem system;
  return system;
}

}  // namespace sonorix
