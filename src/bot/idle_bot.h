// The idle bot: while the user is away it tells the room once a minute how
// long and why, and how the client's file transfer is getting on.
#pragma once

#include <string>

#include "aol/client_actions.h"
#include "core/clock.h"
#include "core/settings.h"

namespace sonorix {

class IdleBot {
 public:
  static constexpr double kIntervalSeconds = 60.0;

  IdleBot(Settings& settings, AolClient& aol, ClientActions& actions, Clock& clock)
      : settings_(settings), aol_(aol), actions_(actions), clock_(clock) {}

  bool Enabled() const { return enabled_; }
  // Counters to zero, the reason kept, the first tick a minute away.
  void Start(std::string reason);
  void Stop();
  // Runs the tick that is due, if any. Ticks that fell due while the
  // program was busy come as one, as a window timer's do.
  void Tick();

  int Hours() const { return hours_; }
  int Minutes() const { return minutes_; }
  const std::string& Reason() const { return reason_; }
  const TransferStatus& Transfer() const { return transfer_; }

 private:
  void OnTimer();

  Settings& settings_;
  AolClient& aol_;
  ClientActions& actions_;
  Clock& clock_;
  bool enabled_ = false;
  double due_ = 0;
  int hours_ = 0;
  int minutes_ = 0;
  std::string reason_;
  TransferStatus transfer_;
};

}  // namespace sonorix
