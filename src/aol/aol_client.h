// Chat room automation of the AOL 8.0 client: finding the room, typing a
// line into it, and reading the signed-on screen name.
#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "aol/window_api.h"

namespace sonorix {

inline constexpr std::string_view kNotOnline = "[not online]";
// The class of the client's main window, which every walk starts from
// (class names are matched case-blind).
inline constexpr std::string_view kClientFrameClass = "aol frame25";

// Searches the client's windows afresh on every call, so it always acts on
// the windows that exist at that moment; only the welcome window, read for
// every line of the room, is kept while it still is one.
class AolClient {
 public:
  explicit AolClient(WindowApi& windows) : windows_(windows) {}

  // The window API the client is driven through.
  WindowApi& Windows() { return windows_; }

  // Empties the window's text, then sets it.
  void SetText(WindowRef window, std::string_view text);
  // One message that empties the window's text, as a room's transcript
  // empties on the user's own screen.
  void ClearText(WindowRef window);
  std::string GetText(WindowRef window);
  std::string GetCaption(WindowRef window);

  // The chat room highest in z-order, or null.
  WindowRef FindChatRoom();
  WindowRef FindWelcome();
  // Types one line into the open chat room and presses Enter; with no room,
  // a client that stops answering before Enter, or a chat that has ended,
  // the line is dropped without a word.
  void SendChat(std::string_view text);
  // The program is ending: from now on SendChat types nothing, so that no
  // handler resuming from a wait talks after the closing lines. False if
  // the chat had ended already.
  bool EndChat();
  // The program's last lines, typed after the chat has ended.
  void SendClosingLine(std::string_view text);
  // The name of the "Welcome, <name>!" window, or kNotOnline (also while
  // that window does not answer).
  std::string GetUserSN();

  // The room's transcript window, or null.
  WindowRef FindTranscript(WindowRef room);
  // The topmost document window that owns a child of every class, or null.
  WindowRef FindDocumentWithChildren(std::initializer_list<std::string_view> classes);
  // The client's topmost document window, or null.
  WindowRef FirstDocument();

  // Told of every line SendChat typed into a room, or may have: a line whose
  // Enter went unanswered can still arrive when the client wakes.
  void SetSentObserver(std::function<void(std::string_view)> observer) {
    sentObserver_ = std::move(observer);
  }

 private:
  using Classes = std::span<const std::string_view>;

  WindowRef FindDocumentWith(Classes classes);
  bool HasChildOfEach(WindowRef window, Classes classes);
  bool IsWelcome(WindowRef window);
  void Type(std::string_view text);

  WindowApi& windows_;
  std::function<void(std::string_view)> sentObserver_;
  bool ended_ = false;
  WindowRef welcome_;
};

}  // namespace sonorix
