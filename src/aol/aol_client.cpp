#include "aol/aol_client.h"

#include <array>
#include <utility>

#include "core/trace.h"

namespace sonorix {

namespace {

constexpr std::string_view kMdiClass = "mdiclient";
constexpr std::string_view kDocumentClass = "aol child";
constexpr std::string_view kInputClass = "richcntl";
constexpr std::string_view kTranscriptClass = "richcntlreadonly";
constexpr unsigned kEnter = 13;
constexpr std::array<std::string_view, 3> kWelcomeChildren = {"_aol_icon", "_aol_glyph",
                                                              "richcntlstatic"};

void RemoveAll(std::string& text, std::string_view what) {
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
    text.erase(at, what.size());
  }
}

}  // namespace

void AolClient::SetText(WindowRef window, std::string_view text) {
  windows_.SendText(window, WindowMessage::SetText, "");
  windows_.SendText(window, WindowMessage::SetText, text);
}

void AolClient::ClearText(WindowRef window) {
  windows_.SendText(window, WindowMessage::SetText, "");
}

std::string AolClient::GetText(WindowRef window) { return windows_.Text(window); }

std::string AolClient::GetCaption(WindowRef window) { return windows_.Caption(window); }

bool AolClient::HasChildOfEach(WindowRef window, Classes classes) {
  for (const auto className : classes) {
    if (!windows_.FindChild(window, {}, className)) return false;
  }
  return true;
}

WindowRef AolClient::FindDocumentWithChildren(std::initializer_list<std::string_view> classes) {
  return FindDocumentWith(Classes(classes.begin(), classes.size()));
}

// Walks the document windows from the topmost down and takes the first that
// owns a child of every class. Pending events are handled once per candidate.
WindowRef AolClient::FindDocumentWith(Classes classes) {
  for (WindowRef candidate = FirstDocument(); candidate;
       candidate = windows_.GetSibling(candidate, Sibling::Next)) {
    windows_.DoEvents();
    if (HasChildOfEach(candidate, classes)) return candidate;
  }
  return {};
}

WindowRef AolClient::FirstDocument() {
  const WindowRef frame = windows_.FindTopLevel(kClientFrameClass);
  const WindowRef mdi = windows_.FindChild(frame, {}, kMdiClass);
  const WindowRef first = windows_.FindChild(mdi, {}, kDocumentClass);
  return first ? windows_.GetSibling(first, Sibling::First) : WindowRef{};
}

WindowRef AolClient::FindChatRoom() {
  return FindDocumentWithChildren(
      {"_aol_static", kTranscriptClass, "_aol_combobox", "_aol_icon", kInputClass, "_aol_image"});
}

WindowRef AolClient::FindWelcome() { return FindDocumentWith(kWelcomeChildren); }

// A window gone, or a handle the system gave to another window since, no
// longer has the welcome window's children.
bool AolClient::IsWelcome(WindowRef window) {
  return window && HasChildOfEach(window, kWelcomeChildren);
}

WindowRef AolClient::FindTranscript(WindowRef room) {
  return windows_.FindChild(room, {}, kTranscriptClass);
}

// A client that does not answer one of the messages in time is absent: the
// rest of the line is not typed, so no Enter can send a half-set line. Once
// the text went out the line may still show up when the client wakes, so it
// is reported as sent.
void AolClient::SendChat(std::string_view text) {
  if (ended_) {
    Trace("chat line dropped: chat ended");
    return;
  }
  Type(text);
}

bool AolClient::EndChat() { return !std::exchange(ended_, true); }

void AolClient::SendClosingLine(std::string_view text) { Type(text); }

void AolClient::Type(std::string_view text) {
  const WindowRef input = windows_.FindChild(FindChatRoom(), {}, kInputClass);
  if (!input) {
    Trace("chat line dropped: no chat room");
    return;
  }
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  const auto answering = [&] { return windows_.UnansweredCalls() == unanswered; };
  SetText(input, "");
  if (!answering()) {
    Trace("chat line dropped: client not answering");
    return;
  }
  SetText(input, text);
  if (answering()) {
    windows_.Send(input, WindowMessage::Char, kEnter, 0);
  } else {
    Trace("chat line dropped: client not answering");
  }
  if (sentObserver_) sentObserver_(text);
}

// A welcome window that does not answer hides the name: nobody is signed
// on as far as the program can tell, rather than someone with no name.
// The walk past every open document costs more than the rest of a reply, so
// the window found is kept while it still is a welcome window.
std::string AolClient::GetUserSN() {
  if (!IsWelcome(welcome_)) welcome_ = FindWelcome();
  if (!welcome_) return std::string(kNotOnline);
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  std::string name = GetText(welcome_);
  if (windows_.UnansweredCalls() != unanswered) return std::string(kNotOnline);
  RemoveAll(name, "Welcome, ");
  RemoveAll(name, "!");
  return name;
}

}  // namespace sonorix
