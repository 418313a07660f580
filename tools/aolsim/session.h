// What every window of one run shares: who types, where sent lines are
// logged, and how long transcripts may grow.
#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "aolsim/transcript.h"

namespace sonorix::aolsim {

inline constexpr char kGuestName[] = "Guest";

struct Session {
  // The name typed lines appear under, in Windows-1252. Signing off keeps it.
  std::string screenName = kGuestName;
  std::optional<std::string> logPath;  // UTF-8
  std::size_t maxLines = kDefaultMaxLines;
  // The windows the client has been told never to show.
  std::set<std::string, std::less<>> ignored;
  // The ways of Windows the client has been told to show (see Quirk).
  std::set<std::string, std::less<>> quirks;

  bool Ignores(std::string_view part) const { return ignored.count(part) != 0; }
  bool Has(std::string_view quirk) const { return quirks.count(quirk) != 0; }

  // Appends the line exactly as the input box held it, plus CR LF.
  void LogSentLine(std::string_view line) const;
};

}  // namespace sonorix::aolsim
