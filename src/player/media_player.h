// The media player component the player window drives.
#pragma once

#include <string>

namespace sonorix {

enum class PlayState { Stopped = 0, Paused = 1, Playing = 2 };

// Every call may fail quietly: a failed Open leaves the player stopped with
// nothing loaded. Positions and lengths are seconds.
class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  // Loads the file at the full path (UTF-8) and starts playing it at once.
  // False, and stopped with nothing loaded, when the file is gone or holds no
  // MPEG audio frames.
  virtual bool Open(const std::string& path) = 0;
  // Starts or resumes; after Pause it resumes where it paused.
  virtual void Play() = 0;
  virtual void Pause() = 0;
  virtual void Stop() = 0;

  virtual PlayState State() const = 0;
  // 0 when nothing is loaded.
  virtual double Duration() const = 0;
  virtual double CurrentPosition() const = 0;
  // Seeks; a position past the end ends the song.
  virtual void SetCurrentPosition(double seconds) = 0;
};

// The output level, 0 to 100; never read back by the program.
class VolumeControl {
 public:
  virtual ~VolumeControl() = default;
  virtual void SetVolume(int level) = 0;
};

}  // namespace sonorix
