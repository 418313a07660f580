#include "aol/client_actions.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/trace.h"

namespace sonorix {

namespace {

constexpr std::string_view kIconClass = "_aol_icon";
constexpr std::string_view kStaticClass = "_aol_static";
constexpr std::string_view kPrivateRoomPrefix = "aol://2719:2-2-";
constexpr unsigned kSpace = 0x20;
constexpr unsigned kDown = 0x28;
constexpr unsigned kReturn = 0x0D;
constexpr unsigned kEscape = 0x1B;
constexpr int kOkId = 1;  // IDOK
constexpr std::string_view kMenuClass = "#32768";
constexpr std::string_view kBoxClass = "#32770";
constexpr std::string_view kBoxCaption = "America Online";
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

std::string WholeSeconds(double seconds) {
  return std::to_string(static_cast<long long>(seconds)) + " s";
}

bool Holds(std::string_view text, std::string_view what) {
  return text.find(what) != std::string_view::npos;
}

}  // namespace

WindowRef ClientActions::FindToolbar() {
  const WindowRef outer =
      windows_.FindChild(windows_.FindTopLevel(kClientFrameClass), {}, "aol toolbar");
  return windows_.FindChild(outer, {}, "_aol_toolbar");
}

// A client that stops answering half way gets no Enter: a half-typed
// keyword must not be opened when it wakes.
bool ClientActions::Keyword(std::string_view text) {
  const WindowRef box =
      windows_.FindChild(windows_.FindChild(FindToolbar(), {}, "_aol_combobox"), {}, "edit");
  if (!box) return false;
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  aol_.SetText(box, text);
  windows_.Send(box, WindowMessage::Char, kSpace, 0);
  if (windows_.UnansweredCalls() != unanswered) return false;
  windows_.Send(box, WindowMessage::Char, kReturn, 0);
  return windows_.UnansweredCalls() == unanswered;
}

bool ClientActions::PrivateRoom(std::string_view room) {
  return Keyword(std::string(kPrivateRoomPrefix) + std::string(room));
}

// A search after the last child would start again from the first, so a
// window with fewer children yields null, never another child.
WindowRef ClientActions::FindNthChild(WindowRef parent, std::string_view className, int n) {
  WindowRef child;
  for (int i = 0; i <= n; ++i) {
    child = windows_.FindChild(parent, child, className);
    if (!child) return {};
  }
  return child;
}

WindowRef ClientActions::FindToolbarIcon(int n) {
  return FindNthChild(FindToolbar(), kIconClass, n);
}

void ClientActions::ClickIcon(WindowRef icon) {
  windows_.Send(icon, WindowMessage::LeftButtonDown, 0, 0);
  windows_.Send(icon, WindowMessage::KeyUp, kSpace, 0);
}

// The clock is monotonic, so a wait over midnight lasts what it should.
void ClientActions::WaitSeconds(double seconds) { clock_.Pause(seconds); }

// A wait that passes its bound ends a command quietly; the trace says which.
bool ClientActions::WaitFor(double bound, double poll, const std::function<bool()>& done,
                            std::string_view what) {
  const double deadline = clock_.Seconds() + bound;
  for (;;) {
    if (clock_.WaitsEnded()) return false;
    if (done()) return true;
    if (clock_.Seconds() >= deadline) {
      Trace(std::string(what) + " within " + WholeSeconds(bound));
      return false;
    }
    WaitSeconds(poll);
  }
}

void ClientActions::PostKeyPress(WindowRef window, unsigned key) {
  windows_.Post(window, WindowMessage::KeyDown, key, 0);
  windows_.Post(window, WindowMessage::KeyUp, key, 0);
}

// The sub-menu's keys go to the sub-menu once it shows: posted before, they
// can reach the first menu while the sub-menu opens and pick the wrong item.
// A menu left open when a wait gives up is closed again, so the client is
// left as it was; a missing icon is never clicked.
bool ClientActions::PickFromMenu(int& menu, int first, int& second) {
  static constexpr std::array<int, 5> kIconOfMenu{0, 3, 6, 9, 11};
  if (menu >= 1 && menu <= 4) menu = kIconOfMenu[static_cast<std::size_t>(menu)];
  const WindowRef icon = FindToolbarIcon(menu);
  if (!icon) return false;
  const WindowRef frame = windows_.FindTopLevel(kClientFrameClass);
  const std::uint32_t client = windows_.ProcessOf(frame);
  const MenuSearch search{client, ShownMenus(client)};
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  windows_.Post(icon, WindowMessage::LeftButtonDown, 0, 0);
  windows_.Post(icon, WindowMessage::LeftButtonUp, 0, 0);
  // A click the system would not post opens no menu: nothing to wait for.
  if (windows_.UnansweredCalls() != unanswered) return false;
  const WindowRef popup = WaitForMenu(search, {});
  if (!popup) return CloseMenus(search, frame);
  for (int i = 0; i <= first; ++i) PostKeyPress(popup, kDown);
  PostKeyPress(popup, kReturn);
  const WindowRef submenu = WaitForMenu(search, popup);
  if (!submenu) return CloseMenus(search, frame);
  const int steps = second;
  --second;
  if (second >= 0) {
    for (int i = 0; i < steps; ++i) PostKeyPress(submenu, kDown);
  }
  PostKeyPress(submenu, kReturn);
  return windows_.UnansweredCalls() == unanswered;
}

// The client's shown pop-up menus. Any program's menu has the same class,
// and a menu window may linger hidden to be shown again later.
std::vector<WindowRef> ClientActions::ShownMenus(std::uint32_t client) {
  std::vector<WindowRef> shown;
  if (client == 0) return shown;
  for (const WindowRef menu : windows_.TopLevelWindows(kMenuClass)) {
    if (windows_.IsVisible(menu) && windows_.ProcessOf(menu) == client) shown.push_back(menu);
  }
  return shown;
}

// A menu the click opened, other than `other`, whatever its place in
// z-order: a client may keep a menu above the sub-menu it opened.
WindowRef ClientActions::WaitForMenu(const MenuSearch& search, WindowRef other) {
  WindowRef found;
  const bool shown = WaitFor(
      waits_.menu, kPollSeconds,
      [&] {
        for (const WindowRef menu : ShownMenus(search.client)) {
          if (menu == other || std::ranges::count(search.before, menu) != 0) continue;
          found = menu;
          return true;
        }
        return false;
      },
      "menu did not show");
  return shown ? found : WindowRef{};
}

// One Escape per menu level the click opened, as a user closes them, and
// WM_CANCELMODE to the frame, whose default handling "cancels internal menu
// processing" of a menu it owns
// (https://learn.microsoft.com/windows/win32/winmsg/wm-cancelmode); Wine's
// menu loop ends on it too. A client that wakes late reads them after the
// click, and so closes the menu it opens then. Always false: nothing was
// picked.
bool ClientActions::CloseMenus(const MenuSearch& search, WindowRef frame) {
  for (const WindowRef menu : ShownMenus(search.client)) {
    if (std::ranges::count(search.before, menu) == 0) PostKeyPress(menu, kEscape);
  }
  windows_.Post(frame, WindowMessage::CancelMode, 0, 0);
  return false;
}

WindowRef ClientActions::FindMailbox() {
  return aol_.FindDocumentWithChildren({"_aol_glyph", kIconClass, "_aol_image", "_aol_tabcontrol"});
}

WindowRef ClientActions::FindMailTree(std::string_view kind) {
  const int page = kind == "new" ? 0 : kind == "old" ? 1 : kind == "sent" ? 2 : -1;
  if (page < 0) return {};
  const WindowRef tabs = windows_.FindChild(FindMailbox(), {}, "_aol_tabcontrol");
  const WindowRef tab = FindNthChild(tabs, "_aol_tabpage", page);
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
    if (before == after || clock_.WaitsEnded()) return after;
    if (clock_.Seconds() >= deadline) {
      Trace("mail list still growing after " + WholeSeconds(waits_.list));
      return after;
    }
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
  if (!WaitFor(
          waits_.mailbox, kPollSeconds, [&] { return bool(FindMailbox()); },
          "mail box did not open")) {
    return false;
  }
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
  return windows_.FindTopLevelCaptioned(kBoxClass, kBoxCaption);
}

WindowRef ClientActions::FindOkButton(WindowRef box) { return windows_.FindControl(box, kOkId); }

// The client's message boxes, shown or not.
std::vector<WindowRef> ClientActions::MessageBoxes(std::uint32_t client) {
  std::vector<WindowRef> boxes;
  if (client == 0) return boxes;
  for (const WindowRef box : windows_.TopLevelWindows(kBoxClass)) {
    if (windows_.ProcessOf(box) == client && windows_.Caption(box) == kBoxCaption) {
      boxes.push_back(box);
    }
  }
  return boxes;
}

// Clicks again every 0.3 s until the window opens, as a slow client may
// miss a click; then waits for the client's answer box or for the window to
// close, pressing the box and closing the window. Only a box that came after
// the send is the answer: one already open is the user's to read.
bool ClientActions::SendIM(std::string_view recipient, std::string_view text) {
  WindowRef im;
  const bool opened = WaitFor(
      waits_.imWindow, 0,
      [&] {
        windows_.DoEvents();
        ClickIcon(FindToolbarIcon(kImIcon));
        WaitSeconds(0.3);
        return bool(im = FindIMWindow());
      },
      "instant message window did not open");
  if (!opened) return false;
  const WindowRef send = FindNthChild(im, kIconClass, kImSendIcon - 1);
  if (!send) return false;
  aol_.SetText(windows_.FindChild(im, {}, "_aol_edit"), recipient);
  aol_.SetText(windows_.FindChild(im, {}, "richcntl"), text);
  const std::uint32_t client = windows_.ProcessOf(windows_.FindTopLevel(kClientFrameClass));
  const std::vector<WindowRef> before = MessageBoxes(client);
  ClickIcon(send);
  WindowRef box;
  const bool answered = WaitFor(
      waits_.imAnswer, kPollSeconds,
      [&] {
        windows_.DoEvents();
        for (const WindowRef shown : MessageBoxes(client)) {
          if (std::ranges::count(before, shown) != 0) continue;
          box = shown;
          return true;
        }
        return !FindDocumentCaptioned("Send Instant Message");
      },
      "instant message was not answered");
  if (!answered) return false;
  if (box) {
    PostKeyPress(FindOkButton(box), kSpace);
    windows_.Post(im, WindowMessage::Close, 0, 0);
  }
  return true;
}

bool ClientActions::SetFrameCaption(std::string_view caption) {
  const WindowRef frame = windows_.FindTopLevel(kClientFrameClass);
  return frame && windows_.SendText(frame, WindowMessage::SetText, caption) != 0;
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
