// Client actions beyond the chat room: keyword box, private rooms, mail
// boxes, instant messages, the frame caption and the file transfer window.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

  void Keyword(std::string_view text);
  void PrivateRoom(std::string_view room);
  // The n-th toolbar icon, counted from 0, or null.
  WindowRef FindToolbarIcon(int n);
  void ClickIcon(WindowRef icon);
  void WaitSeconds(double seconds);
  // Maps the menu number to its toolbar icon (written back), opens that
  // icon's menu and picks the item of its sub-menu; false if either menu
  // never showed.
  bool PickFromMenu(int& menu, int first, int& second);
  WindowRef FindMailbox();
  WindowRef FindMailTree(std::string_view kind);
  int ListCount(WindowRef list);
  int WaitListSettled(WindowRef list);
  // False if the mail box did not open within its bound.
  bool OpenMailbox(std::string_view kind);
  WindowRef FindIMWindow();
  // False if the window did not open or the client did not answer in time.
  bool SendIM(std::string_view recipient, std::string_view text);
  // The client's message box ("#32770" captioned "America Online"), or null.
  WindowRef FindMessageBox();
  void SetFrameCaption(std::string_view caption);
  // One pass over the document windows; nullopt when none is a transfer.
  std::optional<TransferStatus> FindTransfer();

 private:
  WindowRef FindDocumentCaptioned(std::string_view caption);
  WindowRef FindToolbar();
  WindowRef WaitForMenu(WindowRef other);
  void PostKeyPress(WindowRef window, unsigned key);
  bool WaitFor(double bound, double poll, const std::function<bool()>& done);

  WindowApi& windows_;
  AolClient& aol_;
  Clock& clock_;
  ClientWaits waits_;
};

}  // namespace sonorix
