#include "aolsim/toolbar_actions.h"

#include <memory>
#include <type_traits>

#include "aolsim/window_classes.h"

namespace sonorix::aolsim {

namespace {

constexpr int kMailMenuIcon = 0;
constexpr int kNewMailIcon = 1;
constexpr int kImIcon = 4;
enum MenuCommand : UINT { kNewMail = 1, kOldMail, kSentMail, kWriteMail };

struct MenuDeleter {
  void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// "Mail" leads to the three mail boxes; the menu owns its sub-menu. A greyed
// "Mail" opens nothing.
UniqueMenu MakeMailMenu(bool greyMail) {
  UniqueMenu menu(CreatePopupMenu());
  HMENU boxes = CreatePopupMenu();
  if (!menu || boxes == nullptr) {
    if (boxes != nullptr) DestroyMenu(boxes);
    return nullptr;
  }
  AppendMenuA(boxes, MF_STRING, kNewMail, "New Mail");
  AppendMenuA(boxes, MF_STRING, kOldMail, "Old Mail");
  AppendMenuA(boxes, MF_STRING, kSentMail, "Sent Mail");
  AppendMenuA(menu.get(), MF_POPUP | (greyMail ? MF_GRAYED : 0u), reinterpret_cast<UINT_PTR>(boxes),
              "Mail");
  AppendMenuA(menu.get(), MF_STRING, kWriteMail, "Write Mail");
  return menu;
}

// The frame is told of the menu (WM_ENTERIDLE among others) so that it can
// arrange the menu windows as its quirks ask. A client told to ignore "mail"
// opens no mail box from its menu either.
void OpenMailMenu(HWND frame, HWND mdiClient, const Session& session, HWND icon) {
  const UniqueMenu menu = MakeMailMenu(session.Ignores("submenu"));
  if (!menu) return;
  RECT rect{};
  GetWindowRect(icon, &rect);
  const auto picked = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_LEFTALIGN,
                                                       rect.left, rect.bottom, 0, frame, nullptr));
  if (picked >= kNewMail && picked <= kSentMail && !session.Ignores("mail")) {
    OpenMail(mdiClient, static_cast<MailKind>(picked - kNewMail));
  }
}

MailBox* OpenMailBox(HWND mdiClient) {
  for (HWND document : Documents(mdiClient)) {
    if (auto* box = dynamic_cast<MailBox*>(DocumentOf(document))) return box;
  }
  auto box = std::make_unique<MailBox>();
  MailBox* const made = box.get();
  return OpenDocument(mdiClient, kMailCaption, std::move(box)) ? made : nullptr;
}

}  // namespace

void OpenMail(HWND mdiClient, MailKind kind) {
  if (MailBox* box = OpenMailBox(mdiClient)) box->Open(kind);
}

void OnToolbarIcon(HWND frame, HWND mdiClient, const Session& session, HWND icon, int number) {
  if (number == kMailMenuIcon && !session.Ignores("menu"))
    OpenMailMenu(frame, mdiClient, session, icon);
  if (number == kNewMailIcon && !session.Ignores("mail")) OpenMail(mdiClient, MailKind::New);
  if (number == kImIcon && !session.Ignores("im")) {
    OpenDocument(mdiClient, kImCaption, std::make_unique<InstantMessage>());
  }
}

void OnImsSwitched(HWND frame, HWND toolbar, const Session& session, bool on) {
  HWND icon = nullptr;
  const HWND inner = FindWindowExA(toolbar, nullptr, "_AOL_Toolbar", nullptr);
  for (int i = 0; i <= kImIcon; ++i) icon = FindWindowExA(inner, icon, kIconClass, nullptr);
  SetWindowTextA(icon, on ? "IM on" : "IM off");
  ShowAnswer(frame, session,
             on ? "Your instant messages are now on." : "Your instant messages are now off.");
}

void ShowAnswer(HWND frame, const Session& session, const std::string& text) {
  if (!session.Ignores("box")) MessageBoxA(frame, text.c_str(), kFrameCaption, MB_OK);
}

}  // namespace sonorix::aolsim
