// Whether the system lets this program reach the client at all: Windows
// drops every message sent or posted to a program of a higher integrity
// level (one run as administrator while this one is not) and still reports
// success, so the chat goes unread without a word.
#pragma once

#include <functional>
#include <string_view>

#include "aol/window_api.h"

namespace sonorix {

// The system's integrity levels of programs.
class IntegrityLevels {
 public:
  virtual ~IntegrityLevels() = default;
  // True when the program that made the window runs at a higher integrity
  // level than this one; false when it does not or when no one can tell.
  virtual bool Outranks(WindowRef window) = 0;
};

// Compares the levels once, the first time the client's frame is found, and
// tells the user how to mend it when the client outranks this program.
class ClientIntegrityCheck {
 public:
  static constexpr std::string_view kWarning =
      "AOL runs as administrator and Sonorix does not, so Windows keeps Sonorix from reading "
      "the chat and from typing in it. Start both the same way: both as administrator, or "
      "neither.";

  ClientIntegrityCheck(WindowApi& windows, IntegrityLevels& levels,
                       std::function<void(std::string_view warning)> warn);

  // Cheap until the client is found, and nothing at all afterwards.
  void Poll();

 private:
  WindowApi& windows_;
  IntegrityLevels& levels_;
  std::function<void(std::string_view)> warn_;
  bool compared_ = false;
};

}  // namespace sonorix
