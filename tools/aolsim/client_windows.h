// The client's windows beyond chat: the mail box with its three tab pages,
// the instant message window and a file transfer window.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "aolsim/document_window.h"
#include "aolsim/session.h"

namespace sonorix::aolsim {

// Posted to the frame by an instant message to "$IMs_Off": wParam 1 for
// "ON!", 0 for "OFF!".
inline constexpr UINT kImsSwitched = WM_APP + 3;

inline constexpr char kImCaption[] = "Send Instant Message";
inline constexpr char kMailCaption[] = "Mailbox";

bool RegisterClientWindowClasses(HINSTANCE instance);

enum class MailKind { New, Old, Sent };

// Children: glyph, icon, image and a tab control with one page per kind,
// each holding an "_AOL_Tree" list that fills over about a second once its
// page is opened.
class MailBox final : public Document {
 public:
  bool CreateControls(HWND window) override;
  void Layout(int width, int height) override;
  SIZE InitialSize() const override { return SIZE{460, 320}; }
  std::optional<LRESULT> Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void Open(MailKind kind);

 private:
  HWND window_ = nullptr;
  HWND tabs_ = nullptr;
  std::array<HWND, 3> pages_{};
  std::array<HWND, 3> lists_{};
  std::array<HWND, 3> decoration_{};
  int open_ = 0;
};

// Recipient box, text box and twelve icons; the twelfth sends.
class InstantMessage final : public Document {
 public:
  bool CreateControls(HWND window) override;
  void Layout(int width, int height) override;
  SIZE InitialSize() const override { return SIZE{420, 260}; }
  std::optional<LRESULT> Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Send(HWND window);

  HWND label_ = nullptr;
  HWND recipient_ = nullptr;
  HWND text_ = nullptr;
  std::array<HWND, 12> icons_{};
};

// Caption "File Transfer - <percent>", a file line and a time line; it
// moves on by ten percent every half second until done.
std::unique_ptr<Document> MakeTransferWindow(const std::string& file);
std::string TransferCaption(int percent);

}  // namespace sonorix::aolsim
