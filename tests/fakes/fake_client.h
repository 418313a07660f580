// A signed-on client with one chat room, in a fake window tree, that
// collects the lines typed into the room.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "aol/aol_client.h"
#include "fakes/fake_window_tree.h"

namespace sonorix::testing {

// The children that make a document window a chat room.
inline constexpr std::string_view kRoomClasses[] = {
    "_AOL_Static", "RICHCNTLREADONLY", "_AOL_Combobox", "_AOL_Icon", "RICHCNTL", "_AOL_Image"};

class FakeClient {
 public:
  explicit FakeClient(const std::string& screenName = "Dorvin") : name(screenName) {
    const WindowRef mdi =
        tree.AddChild(tree.AddTopLevel("AOL Frame25", "America Online"), "MDIClient");
    room = AddRoom("Lobby");
    welcome = tree.AddChild(mdi, "AOL Child", "Welcome, " + screenName + "!");
    for (const char* name : {"_AOL_Icon", "_AOL_Glyph", "RICHCNTLSTATIC"}) {
      tree.AddChild(welcome, name);
    }
    input = tree.FindChild(room, {}, "RICHCNTL");
    tree.sent.clear();
  }

  // A room in the client's frame, below any other in z-order.
  WindowRef AddRoom(const std::string& caption) {
    const WindowRef mdi = tree.FindChild(tree.FindTopLevel("AOL Frame25"), {}, "MDIClient");
    const WindowRef added = tree.AddChild(mdi, "AOL Child", caption);
    for (const auto className : kRoomClasses) tree.AddChild(added, std::string(className));
    return added;
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
  AolClient aol{tree};
  WindowRef room, welcome, input;
};

}  // namespace sonorix::testing
