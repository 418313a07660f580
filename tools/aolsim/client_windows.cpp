#include "aolsim/client_windows.h"

#include <algorithm>

#include "aolsim/window_classes.h"
#include "aolsim/window_support.h"

namespace sonorix::aolsim {

namespace {

constexpr char kTabControlClass[] = "_AOL_TabControl";
constexpr char kTabPageClass[] = "_AOL_TabPage";
constexpr char kTreeClass[] = "_AOL_Tree";
constexpr char kEditClass[] = "_AOL_Edit";
constexpr UINT_PTR kFillTimer = 1;
constexpr UINT kFillInterval = 100;
constexpr int kMailsPerBox = 10;
constexpr UINT_PTR kTransferTimer = 2;
constexpr UINT kTransferInterval = 500;
constexpr int kFirstIconId = 101;
constexpr std::array<const char*, 3> kPageNames{"New Mail", "Old Mail", "Sent Mail"};

// Superclasses of the system's LISTBOX and EDIT under the client's names,
// so that they answer LB_GETCOUNT and WM_SETTEXT as those do.
bool RegisterSuperclass(HINSTANCE instance, const char* system, const char* name) {
  WNDCLASSEXA superclass{};
  superclass.cbSize = sizeof superclass;
  if (!GetClassInfoExA(nullptr, system, &superclass)) return false;
  superclass.style &= ~CS_GLOBALCLASS;
  superclass.hInstance = instance;
  superclass.lpszClassName = name;
  return RegisterClassExA(&superclass) != 0;
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

void Fill(HWND child, int width, int height) { MoveWindow(child, 0, 0, width, height, TRUE); }

}  // namespace

bool RegisterClientWindowClasses(HINSTANCE instance) {
  const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  return RegisterClassNamed(instance, kTabControlClass, PlainProc, 0, face) &&
         RegisterClassNamed(instance, kTabPageClass, PlainProc, 0, face) &&
         RegisterSuperclass(instance, "LISTBOX", kTreeClass) &&
         RegisterSuperclass(instance, "EDIT", kEditClass);
}

bool MailBox::CreateControls(HWND window) {
  window_ = window;
  decoration_ = {CreateChild(window, kGlyphClass, "", 0, 1),
                 CreateChild(window, kIconClass, "Read", 0, 2),
                 CreateChild(window, kImageClass, "", 0, 3)};
  tabs_ = CreateChild(window, kTabControlClass, "", 0, 4);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i] = CreateWindowExA(0, kTabPageClass, kPageNames[i], WS_CHILD, 0, 0, 0, 0, tabs_,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    lists_[i] = CreateChild(pages_[i], kTreeClass, "", WS_BORDER | WS_VSCROLL, 5);
  }
  const auto made = [](HWND control) { return control != nullptr; };
  return tabs_ && std::all_of(decoration_.begin(), decoration_.end(), made) &&
         std::all_of(pages_.begin(), pages_.end(), made) &&
         std::all_of(lists_.begin(), lists_.end(), made);
}

void MailBox::Layout(int width, int height) {
  for (std::size_t i = 0; i < decoration_.size(); ++i) {
    MoveWindow(decoration_[i], 8 + static_cast<int>(i) * 56, 8, 48, 28, TRUE);
  }
  MoveWindow(tabs_, 8, 44, std::max(width - 16, 0), std::max(height - 52, 0), TRUE);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    Fill(pages_[i], std::max(width - 16, 0), std::max(height - 52, 0));
    Fill(lists_[i], std::max(width - 16, 0), std::max(height - 52, 0));
  }
}

// The page's list starts empty and fills as if read from the service.
void MailBox::Open(MailKind kind) {
  open_ = static_cast<int>(kind);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    ShowWindow(pages_[i], static_cast<int>(i) == open_ ? SW_SHOW : SW_HIDE);
  }
  SendMessageA(lists_[static_cast<std::size_t>(open_)], LB_RESETCONTENT, 0, 0);
  SetTimer(window_, kFillTimer, kFillInterval, nullptr);
}

std::optional<LRESULT> MailBox::Handle(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_TIMER || wParam != kFillTimer) return std::nullopt;
  const HWND list = lists_[static_cast<std::size_t>(open_)];
  const auto count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  const std::string entry =
      std::string(kPageNames[static_cast<std::size_t>(open_)]) + " " + std::to_string(count + 1);
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  if (count + 1 >= kMailsPerBox) KillTimer(window, kFillTimer);
  return 0;
}

bool InstantMessage::CreateControls(HWND window) {
  label_ = CreateChild(window, kLabelClass, "To:", 0, 1);
  recipient_ = CreateChild(window, kEditClass, "", WS_BORDER | ES_AUTOHSCROLL, 2);
  text_ = CreateChild(window, kInputClass, "", WS_BORDER | ES_MULTILINE, 3);
  for (std::size_t i = 0; i < icons_.size(); ++i) {
    const std::string caption = i + 1 == icons_.size() ? "Send" : std::to_string(i + 1);
    icons_[i] =
        CreateChild(window, kIconClass, caption.c_str(), 0, kFirstIconId + static_cast<int>(i));
  }
  return label_ && recipient_ && text_ &&
         std::all_of(icons_.begin(), icons_.end(), [](HWND icon) { return icon != nullptr; });
}

void InstantMessage::Layout(int width, int height) {
  MoveWindow(label_, 8, 8, 40, 22, TRUE);
  MoveWindow(recipient_, 52, 8, std::max(width - 60, 0), 22, TRUE);
  MoveWindow(text_, 8, 38, std::max(width - 16, 0), std::max(height - 84, 0), TRUE);
  for (std::size_t i = 0; i < icons_.size(); ++i) {
    MoveWindow(icons_[i], 8 + static_cast<int>(i) * 32, std::max(height - 38, 0), 30, 30, TRUE);
  }
}

std::optional<LRESULT> InstantMessage::Handle(HWND window, UINT message, WPARAM wParam, LPARAM) {
  const int sendId = kFirstIconId + static_cast<int>(icons_.size()) - 1;
  if (message != WM_COMMAND || LOWORD(wParam) != sendId) {
    return std::nullopt;
  }
  Send(window);
  return 0;
}

// The special recipient switches the user's instant messages and is
// answered by the frame; any other message is simply sent.
void InstantMessage::Send(HWND window) {
  const std::string text = WindowText(text_);
  if (WindowText(recipient_) == "$IMs_Off" && (text == "ON!" || text == "OFF!")) {
    PostMessageA(GetAncestor(window, GA_ROOT), kImsSwitched, text == "ON!" ? 1 : 0, 0);
    return;
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
}

std::string TransferCaption(int percent) {
  return "File Transfer - " + std::to_string(percent) + "%";
}

namespace {

class TransferWindow final : public Document {
 public:
  explicit TransferWindow(std::string file) : file_(std::move(file)) {}

  bool CreateControls(HWND window) override {
    fileLine_ = CreateChild(window, kLabelClass, ("Now Downloading " + file_).c_str(), 0, 1);
    timeLine_ = CreateChild(window, kLabelClass, "About 5 minutes remaining.", 0, 2);
    SetTimer(window, kTransferTimer, kTransferInterval, nullptr);
    return fileLine_ && timeLine_;
  }
  void Layout(int width, int) override {
    MoveWindow(fileLine_, 8, 8, std::max(width - 16, 0), 22, TRUE);
    MoveWindow(timeLine_, 8, 36, std::max(width - 16, 0), 22, TRUE);
  }
  SIZE InitialSize() const override { return SIZE{360, 120}; }
  std::optional<LRESULT> Handle(HWND window, UINT message, WPARAM wParam, LPARAM) override {
    if (message != WM_TIMER || wParam != kTransferTimer) return std::nullopt;
    percent_ = std::min(percent_ + 10, 100);
    SetWindowTextA(window, TransferCaption(percent_).c_str());
    const std::string left =
        "About " + std::to_string((100 - percent_) / 20) + " minutes remaining.";
    SetWindowTextA(timeLine_, left.c_str());
    if (percent_ == 100) KillTimer(window, kTransferTimer);
    return 0;
  }

 private:
  std::string file_;
  HWND fileLine_ = nullptr;
  HWND timeLine_ = nullptr;
  int percent_ = 0;
};

}  // namespace

std::unique_ptr<Document> MakeTransferWindow(const std::string& file) {
  return std::make_unique<TransferWindow>(file);
}

}  // namespace sonorix::aolsim
