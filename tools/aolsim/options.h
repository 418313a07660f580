// The program's command line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "aolsim/transcript.h"

namespace sonorix::aolsim {

// Texts are UTF-8.
struct Options {
  std::optional<std::string> name;  // signed on at start when set
  std::vector<std::string> rooms;   // opened in order, so the last is on top
  std::optional<std::string> logPath;
  std::optional<std::string> scriptPath;
  std::size_t maxLines = kDefaultMaxLines;
  // Set for "--send": hand one command to the running program and exit.
  std::optional<std::string> send;

  friend bool operator==(const Options&, const Options&) = default;
};

struct ParsedOptions {
  Options options;
  std::string error;  // empty when the command line is sound
};

// args come without the program's own name. Every option takes one value;
// "--send" stands alone.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

inline constexpr const char* kUsage =
    "usage: aolsim [--name NAME] [--room ROOM]... [--log FILE] [--script FILE] [--max-lines N]\n"
    "       aolsim --send COMMAND\n";

}  // namespace sonorix::aolsim
