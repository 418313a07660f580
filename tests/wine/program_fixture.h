// The whole program running in the test's own process beside the stand-in
// client, whose signed-on user types as a person would.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/sonorix_app.h"
#include "core/settings.h"
#include "wine/aolsim_process.h"
#include "wine/program_folder.h"

namespace sonorix::testing {

using Lines = std::vector<std::string>;
using Songs = std::vector<std::pair<std::string, std::string>>;  // test MP3, name in the folder

// The style every prepared program folder holds.
extern const Style kTestStyle;

// Waits while this thread's messages keep flowing: the program runs on it.
bool Pump(const std::function<bool()>& predicate, std::chrono::milliseconds timeout);

// The stand-in client's transcript window, or null.
HWND ClientTranscript();
// How many length questions the client's transcript has been asked so far.
std::uintptr_t LengthQuestionsAsked(HWND transcript);

// A reply in the style's condensed or narrow shape.
inline std::string Condensed(const Style& style, const std::string& rest) {
  return "<FONT COLOR=#" + style.acolor + R"(><font  face="abadi mt condensed light">)" +
         style.ascii + " <FONT COLOR=#" + style.fcolor + ">" + rest;
}
inline std::string Narrow(const Style& style, const std::string& rest) {
  return "<FONT COLOR=#" + style.acolor + R"(><font  face="arial narrow">)" + style.ascii +
         " <font color=#" + style.fcolor + ">" + rest;
}

class ProgramTest : public ::testing::Test {
 protected:
  // Starts the program on a music folder of these songs and waits for its
  // two start-up lines.
  void StartWith(const Songs& songs);
  // Every line typed into the room so far, the user's own included.
  Lines Sent() const;
  // Types the line as the signed-on user; the replies it drew.
  Lines Replies(const std::string& command, std::size_t expected);
  // The lines sent from the `from`-th on (counted from 0), up to the answer
  // to a "date" the user types now, which is left out with its answer: the
  // program handles the room's lines in turn, so whatever it owed for what
  // came before is in by then. `after` names that for a failure message.
  Lines SentBeforeDate(std::size_t from, const std::string& after);
  // Returns once the program has read the room as it stands now and ended a
  // whole chat-scan tick since, so that whatever a line typed before owed is
  // in: what no reply shows, only this can. The program asks the transcript
  // for its length at most once a tick, and again only once the last answer
  // was handled; so the third question from now was asked in a tick that
  // began after the room was read, and the fourth after that tick ended.
  bool AwaitChatScan();
  void Click(const wchar_t* caption);
  HWND Player() const { return app_->Player()->Hwnd(); }

  AolSimProcess client_{"--name \"Dorvin Q\" --room Lobby"};
  std::string music_;
  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<SonorixApp> app_;
};

}  // namespace sonorix::testing
