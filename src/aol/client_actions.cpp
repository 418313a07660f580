#include "aol/client_actions.h"

#include <algorithm>
#include <array>

namespace sonorix {

namespace {

constexpr std::string_view kFrameClass = "aol frame25";
constexpr std::string_view kIconClass = "_aol_icon";
constexpr std::string_view kStaticClass = "_aol_static";
constexpr std::string_view kPrivateRoomPrefix = "aol://2719:2-2-";
constexpr unsigned kSpace = 0x20;
constexpr unsigned kDown = 0x28;
constexpr unsigned kReturn = 0x0D;
constexpr double kPollSeconds = 0.05;
constexpr int kNewMailIcon = 1;
constexpr int kImIcon = 4;
constexpr int kImSendIcon = 12;  // counted from 1, as the window's icons are

void RemoveAll(std::string& text, std::string_view what) {
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
    text.erase(at, what.size());
  }
}

std::string AsciiLower(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return lowered;
}

bool Holds(std::string_view text, std::string_view what) {
  return text.find(what) != std::string_view::npos;
}

}  // namespace

WindowRef ClientActions::FindToolbar() {
  const WindowRef outer = windows_.FindChild(windows_.FindTopLevel(kFrameClass), {}, "aol toolbar");
  return windows_.FindChild(outer, {}, "_aol_toolbar");
}

// A client that stops answering half way gets no Enter: a half-typed
// keyword must not be opened when it wakes.
void ClientActions::Keyword(std::string_view text) {
  const WindowRef box =
      windows_.FindChild(windows_.FindChild(FindToolbar(), {}, "_aol_combobox"), {}, "edit");
  if (!box) return;
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  aol_.SetText(box, text);
  windows_.Send(box, WindowMessage::Char, kSpace, 0);
  if (windows_.UnansweredCalls() == unanswered) windows_.Send(box, WindowMessage::Char, kReturn, 0);
}

void ClientActions::PrivateRoom(std::string_view room) {
  Keyword(std::string(kPrivateRoomPrefix) + std::string(room));
}

WindowRef ClientActions::FindToolbarIcon(int n) {
  const WindowRef inner = FindToolbar();
  WindowRef icon;
  for (int i = 0; i <= n; ++i) {
    icon = windows_.FindChild(inner, icon, kIconClass);
    if (!icon) break;
  }
  return icon;
}

void ClientActions::ClickIcon(WindowRef icon) {
  windows_.Send(icon, WindowMessage::LeftButtonDown, 0, 0);
  windows_.Send(icon, WindowMessage::KeyUp, kSpace, 0);
}

// The clock is monotonic, so a wait over midnight lasts what it should.
void ClientActions::WaitSeconds(double seconds) { clock_.Pause(seconds); }

bool ClientActions::WaitFor(double bound, double poll, const std::function<bool()>& done) {
  const double deadline = clock_.Seconds() + bound;
  for (;;) {
    if (clock_.WaitsEnded()) return false;
    if (done()) return true;
    if (clock_.Seconds() >= deadline) return false;
    WaitSeconds(poll);
  }
}

void ClientActions::PostKeyPress(WindowRef window, unsigned key) {
  windows_.Post(window, WindowMessage::KeyDown, key, 0);
  windows_.Post(window, WindowMessage::KeyUp, key, 0);
}

// The sub-menu's keys go to the sub-menu once it shows: posted before, they
// can reach the first menu while the sub-menu opens and pick the wrong item.
bool ClientActions::PickFromMenu(int& menu, int first, int& second) {
  static constexpr std::array<int, 5> kIconOfMenu{0, 3, 6, 9, 11};
  if (menu >= 1 && menu <= 4) menu = kIconOfMenu[static_cast<std::size_t>(menu)];
  const WindowRef icon = FindToolbarIcon(menu);
  windows_.Post(icon, WindowMessage::LeftButtonDown, 0, 0);
  windows_.Post(icon, WindowMessage::LeftButtonUp, 0, 0);
  const WindowRef popup = WaitForMenu({});
  if (!popup) return false;
  for (int i = 0; i <= first; ++i) PostKeyPress(popup, kDown);
  PostKeyPress(popup, kReturn);
  const WindowRef submenu = WaitForMenu(popup);
  if (!submenu) return false;
  const int steps = second;
  --second;
  if (second >= 0) {
    for (int i = 0; i < steps; ++i) PostKeyPress(submenu, kDown);
  }
  PostKeyPress(submenu, kReturn);
  return true;
}

// A visible pop-up menu other than `other`; the newest is the topmost.
WindowRef ClientActions::WaitForMenu(WindowRef other) {
  WindowRef found;
  const bool shown = WaitFor(waits_.menu, kPollSeconds, [&] {
    found = windows_.FindTopLevel("#32768");
    return found && found != other && windows_.IsVisible(found);
  });
  return shown ? found : WindowRef{};
}

WindowRef ClientActions::FindMailbox() {
  return aol_.FindDocumentWithChildren({"_aol_glyph", kIconClass, "_aol_image", "_aol_tabcontrol"});
}

WindowRef ClientActions::FindMailTree(std::string_view kind) {
  const int page = kind == "new" ? 0 : kind == "old" ? 1 : kind == "sent" ? 2 : -1;
  if (page < 0) return {};
  const WindowRef tabs = windows_.FindChild(FindMailbox(), {}, "_aol_tabcontrol");
  WindowRef tab;
  for (int i = 0; i <= page; ++i) tab = windows_.FindChild(tabs, tab, "_aol_tabpage");
  return windows_.FindChild(tab, {}, "_aol_tree");
}

int ClientActions::ListCount(WindowRef list) {
  return static_cast<int>(windows_.Send(list, WindowMessage::ListGetCount, 0, 0));
}

// A list that keeps growing past the bound is taken as it stands then.
int ClientActions::WaitListSettled(WindowRef list) {
  const double deadline = clock_.Seconds() + waits_.list;
  for (;;) {
    windows_.DoEvents();
    const int before = ListCount(list);
    WaitSeconds(0.4);
    WaitSeconds(0.4);
    const int after = ListCount(list);
    if (before == after || clock_.Seconds() >= deadline || clock_.WaitsEnded()) return after;
  }
}

bool ClientActions::OpenMailbox(std::string_view kind) {
  const std::string lowered = AsciiLower(kind);
  int menu = 0;
  if (lowered == "new") {
    ClickIcon(FindToolbarIcon(kNewMailIcon));
  } else if (lowered == "old" || lowered == "sent") {
    int second = lowered == "old" ? 1 : 2;
    if (!PickFromMenu(menu, 0, second)) return false;
  } else {
    return false;
  }
  if (!WaitFor(waits_.mailbox, kPollSeconds, [&] { return bool(FindMailbox()); })) return false;
  WaitListSettled(FindMailTree(lowered));
  return true;
}

WindowRef ClientActions::FindIMWindow() {
  return aol_.FindDocumentWithChildren({kStaticClass, "_aol_edit", kIconClass, "richcntl"});
}

WindowRef ClientActions::FindDocumentCaptioned(std::string_view caption) {
  for (WindowRef document = aol_.FirstDocument(); document;
       document = windows_.GetSibling(document, Sibling::Next)) {
    if (windows_.Caption(document) == caption) return document;
  }
  return {};
}

WindowRef ClientActions::FindMessageBox() {
  return windows_.FindTopLevelCaptioned("#32770", "America Online");
}

// Clicks again every 0.3 s until the window opens, as a slow client may
// miss a click; then waits for the client's answer box or for the window to
// close, pressing the box and closing the window.
bool ClientActions::SendIM(std::string_view recipient, std::string_view text) {
  WindowRef im;
  const bool opened = WaitFor(waits_.imWindow, 0, [&] {
    windows_.DoEvents();
    ClickIcon(FindToolbarIcon(kImIcon));
    WaitSeconds(0.3);
    return bool(im = FindIMWindow());
  });
  if (!opened) return false;
  WindowRef send;
  for (int i = 0; i < kImSendIcon; ++i) send = windows_.FindChild(im, send, kIconClass);
  aol_.SetText(windows_.FindChild(im, {}, "_aol_edit"), recipient);
  aol_.SetText(windows_.FindChild(im, {}, "richcntl"), text);
  ClickIcon(send);
  WindowRef box;
  const bool answered = WaitFor(waits_.imAnswer, kPollSeconds, [&] {
    windows_.DoEvents();
    box = FindMessageBox();
    return box || !FindDocumentCaptioned("Send Instant Message");
  });
  if (!answered) return false;
  if (box) {
    PostKeyPress(windows_.FindChild(box, {}, "Button"), kSpace);
    windows_.Post(im, WindowMessage::Close, 0, 0);
  }
  return true;
}

void ClientActions::SetFrameCaption(std::string_view caption) {
  windows_.SendText(windows_.FindTopLevel(kFrameClass), WindowMessage::SetText, caption);
}

// One pass: a window with an empty caption is passed over rather than
// starting the walk again, so a client without a transfer ends the search.
std::optional<TransferStatus> ClientActions::FindTransfer() {
  for (WindowRef document = aol_.FirstDocument(); document;
       document = windows_.GetSibling(document, Sibling::Next)) {
    std::string caption = aol_.GetCaption(document);
    if (!Holds(caption, "File Transfer") || Holds(caption, "Status")) continue;
    RemoveAll(caption, "File Transfer - ");
    const WindowRef fileLine = windows_.FindChild(document, {}, kStaticClass);
    std::string fileName = aol_.GetText(fileLine);
    for (const std::string_view wording : {"AOL is now Downloading ", "Now Downloading ",
                                           "Now Uploading ", "AOL is now Uploading "}) {
      RemoveAll(fileName, wording);
    }
    std::string remaining = aol_.GetText(windows_.FindChild(document, fileLine, kStaticClass));
    RemoveAll(remaining, "About minutes remaining");
    RemoveAll(remaining, " remaining.");
    return TransferStatus{std::move(fileName), std::move(caption), std::move(remaining)};
  }
  return std::nullopt;
}

}  // namespace sonorix
