// Client actions beyond the chat room: keyword box, private rooms, mail
// boxes, instant messages, the frame caption and the file transfer window.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aol/aol_client.h"
#include "core/clock.h"

namespace sonorix {

// What the client's file transfer window shows, with its wording removed.
struct TransferStatus {
  std::string fileName;
  std::string percent;
  std::string remaining;
};

// How long each wait for the client lasts at most, in seconds.
struct ClientWaits {
  double menu = 3.0;       // the toolbar's pop-up menu to show
  double mailbox = 10.0;   // the mail box to open
  double list = 15.0;      // its list to stop growing
  double imWindow = 5.0;   // the instant message window to open
  double imAnswer = 10.0;  // the client to answer a sent message
};

// Every wait for the client ends by a bound of its own, measured on the
// monotonic clock: a client that never shows a window, or stops answering,
// costs the command that wait and no more. Once the clock's waits have
// ended (the program is ending), every wait gives up at once.
class ClientActions {
 public:
  ClientActions(WindowApi& windows, AolClient& aol, Clock& clock)
      : windows_(windows), aol_(aol), clock_(clock) {}

  const ClientWaits& Waits() const { return waits_; }
  void SetWaits(const ClientWaits& waits) { waits_ = waits; }

  // False when the keyword box is missing or the client stopped answering.
  bool Keyword(std::string_view text);
  bool PrivateRoom(std::string_view room);
  // The n-th toolbar icon, counted from 0, or null.
  WindowRef FindToolbarIcon(int n);
  void ClickIcon(WindowRef icon);
  void WaitSeconds(double seconds);
  // Maps the menu number to its toolbar icon (written back), opens that
  // icon's menu and picks the item of its sub-menu; false, with the menus
  // it opened closed again, if the icon is missing or either menu never
  // showed; false at once when the system would not post the click, and
  // false when it would not post the keys. Only a menu of the client's
  // process that was not shown before the click counts.
  bool PickFromMenu(int& menu, int first, int& second);
  WindowRef FindMailbox();
  WindowRef FindMailTree(std::string_view kind);
  int ListCount(WindowRef list);
  int WaitListSettled(WindowRef list);
  // False if the mail box did not open within its bound.
  bool OpenMailbox(std::string_view kind);
  WindowRef FindIMWindow();
  // False if the window did not open, has no send icon, or the client did
  // not answer in time. Only a message box that the send brought up is
  // pressed.
  bool SendIM(std::string_view recipient, std::string_view text);
  // The client's message box ("#32770" captioned "America Online"), or null.
  WindowRef FindMessageBox();
  // The box's OK button, found by its control id: its caption is in the
  // system's language.
  WindowRef FindOkButton(WindowRef box);
  // False when there is no frame or it refused the caption.
  bool SetFrameCaption(std::string_view caption);
  // One pass over the document windows; nullopt when none is a transfer.
  std::optional<TransferStatus> FindTransfer();

 private:
  // Whose menus count, and which of them were shown before the click.
  struct MenuSearch {
    std::uint32_t client = 0;
    std::vector<WindowRef> before;
  };

  WindowRef FindDocumentCaptioned(std::string_view caption);
  WindowRef FindToolbar();
  // The n-th child of the class, counted from 0, or null.
  WindowRef FindNthChild(WindowRef parent, std::string_view className, int n);
  std::vector<WindowRef> ShownMenus(std::uint32_t client);
  WindowRef WaitForMenu(const MenuSearch& search, WindowRef other);
  bool CloseMenus(const MenuSearch& search, WindowRef frame);
  std::vector<WindowRef> MessageBoxes(std::uint32_t client);
  void PostKeyPress(WindowRef window, unsigned key);
  // True once `done` holds; false, tracing "<what> within <bound> s", when
  // the bound passed first.
  bool WaitFor(double bound, double poll, const std::function<bool()>& done, std::string_view what);

  WindowApi& windows_;
  AolClient& aol_;
  Clock& clock_;
  ClientWaits waits_;
};

}  // namespace sonorix
