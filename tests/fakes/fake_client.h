// A signed-on client with one chat room, in a fake window tree, that
// collects the lines typed into the room.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "aol/quenby_aol8.h"
#include "fakes/fake_window_tree.h"

namespace sonorix::testing {

class FakeClient {
 public:
  explicit FakeClient(const std::string& screenName = "Dorvin") : name(screenName) {
    const WindowRef frame = tree.AddTopLevel("AOL Frame25", "America Online");
    const WindowRef mdi = tree.AddChild(frame, "MDIClient");
    room = tree.AddChild(mdi, "AOL Child", "Lobby");
    for (const char* name : {"_AOL_Static", "RICHCNTLREADONLY", "_AOL_Combobox", "_AOL_Icon",
                             "RICHCNTL", "_AOL_Image"}) {
      tree.AddChild(room, name);
    }
    welcome = tree.AddChild(mdi, "AOL Child", "Welcome, " + screenName + "!");
    for (const char* name : {"_AOL_Icon", "_AOL_Glyph", "RICHCNTLSTATIC"}) {
      tree.AddChild(welcome, name);
    }
    input = tree.FindChild(room, {}, "RICHCNTL");
    tree.sent.clear();
  }

  // From now on Enter in the input box shows its line in the transcript
  // under the user's name, rendered as given, like the client does.
  void EchoTyping(std::function<std::string(std::string_view)> render) {
    tree.onSent = [this, render = std::move(render)](const FakeWindowTree::Sent& message) {
      if (message.window != input || message.message != WindowMessage::Char) return;
      if (message.wParam != 13) return;
      const WindowRef transcript = aol.FindTranscript(room);
      tree.SetWindowText(transcript,
                         tree.Text(transcript) + name + ":\t" + render(tree.Text(input)) + "\r\n");
      tree.SetWindowText(input, "");
    };
  }
  // The user types a line into the room.
  void Type(const std::string& line) {
    const WindowRef transcript = aol.FindTranscript(room);
    tree.SetWindowText(transcript, tree.Text(transcript) + name + ":\t" + line + "\r\n");
  }

  // Each line the input box held when Enter reached it; from the given
  // message on, which must be the first one of a line typed.
  std::vector<std::string> Lines(std::size_t fromMessage = 0) const {
    std::vector<std::string> lines;
    std::string text;
    for (std::size_t i = fromMessage; i < tree.sent.size(); ++i) {
      const auto& message = tree.sent[i];
      if (message.window != input) continue;
      if (message.message == WindowMessage::SetText) text = message.text;
      if (message.message == WindowMessage::Char && message.wParam == 13) lines.push_back(text);
    }
    return lines;
  }

  std::string name;
  FakeWindowTree tree;
  Aol8 aol{tree};
  WindowRef room, welcome, input;
};

}  // namespace sonorix::testing
