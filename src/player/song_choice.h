// What a song search keeps between chat lines while the user chooses.
#pragma once

#include <string>
#include <vector>

namespace sonorix {

// No choice open: pending false. Several matches found, waiting for
// "/scroll", "/view" or "/cancel": pending and awaitingCommand. Matches
// listed in the chat, waiting for a number: pending alone.
struct SongChoice {
  bool pending = false;
  bool awaitingCommand = false;      // the check box that marks the wait
  std::vector<std::string> matches;  // file names, in song-list order
  std::string searchText;            // of the last "p" search
  std::string lastStarted;           // the song these commands last started
  std::string scratch;               // a picked name without ".mp3"
};

}  // namespace sonorix
