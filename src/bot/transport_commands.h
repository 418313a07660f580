// Controlling the playing song from the chat: stop, pause, volume, seeking,
// restart, and the song count, date and time.
#pragma once

#include <string_view>

#include "bot/bot_parts.h"

namespace sonorix {

// A number that cannot be read after "v", "ff" or "rr" changes nothing and
// gets no reply: there is no sensible amount to act on or to repeat back.
class TransportCommands {
 public:
  explicit TransportCommands(BotParts parts) : p_(parts) {}

  void Stop(const Style& style);
  void Pause(const Style& style);
  void Resume(const Style& style);
  void Volume(const Style& style, std::string_view argument);
  void Seek(const Style& style, std::string_view argument, bool forward);
  void Restart(const Style& style);
  void SongCount(const Style& style);
  void Date(const Style& style);
  void Time(const Style& style);

 private:
  std::string SelectedFile() const;

  BotParts p_;
};

}  // namespace sonorix
