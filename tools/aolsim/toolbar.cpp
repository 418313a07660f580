#include "aolsim/toolbar.h"

#include "aolsim/window_classes.h"
#include "aolsim/window_support.h"

namespace sonorix::aolsim {

namespace {

constexpr char kOuterClass[] = "AOL Toolbar";
constexpr char kInnerClass[] = "_AOL_Toolbar";
constexpr int kIconWidth = 44;
constexpr int kMargin = 4;
constexpr int kKeywordWidth = 240;
constexpr int kKeywordBoxId = 400;
constexpr WPARAM kEnter = 13;
constexpr char kEditProcProperty[] = "aolsim.editproc";

// Rooms this client refuses, as the service would for these names.
struct Refusal {
  std::string_view room;
  std::string_view answer;
};
constexpr Refusal kRefusals[] = {
    {"hopper", "You've changed chat rooms too quickly."},
    {"forbidden", "We are sorry.  You are not allowed to create a chat with that name."},
    {"crowded", "The room you requested is full"},
    {"bad*name", "Invalid room name"},
    {"far too long a room name", "The name you entered is too long."},
};

LRESULT CALLBACK KeywordBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto editProc = reinterpret_cast<WNDPROC>(GetPropA(window, kEditProcProperty));
  if (message == WM_CHAR && wParam == kEnter) {
    PostMessageA(GetAncestor(window, GA_ROOT), kOpenKeyword, 0, 0);
    return 0;
  }
  if (message == WM_NCDESTROY) RemovePropA(window, kEditProcProperty);
  return CallWindowProcA(editProc, window, message, wParam, lParam);
}

HWND InnerOf(HWND toolbar) { return FindWindowExA(toolbar, nullptr, kInnerClass, nullptr); }

HWND KeywordBoxOf(HWND toolbar) {
  return FindWindowExA(FindWindowExA(InnerOf(toolbar), nullptr, kComboClass, nullptr), nullptr,
                       "Edit", nullptr);
}

bool CreateKeywordBox(HWND inner, int left) {
  const HWND combo = CreateChild(inner, kComboClass, "", 0, kKeywordBoxId);
  const HWND box = CreateChild(combo, "Edit", "", ES_AUTOHSCROLL, kKeywordBoxId + 1);
  if (combo == nullptr || box == nullptr) return false;
  MoveWindow(combo, left, kMargin, kKeywordWidth, kToolbarHeight - 2 * kMargin, FALSE);
  MoveWindow(box, 2, 2, kKeywordWidth - 24, kToolbarHeight - 2 * kMargin - 4, FALSE);
  SetPropA(box, kEditProcProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrA(box, GWLP_WNDPROC)));
  SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeywordBoxProc));
  return true;
}

// Icon clicks go up to the frame, which knows what each one opens.
LRESULT CALLBACK ToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) return SendMessageA(GetParent(window), message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

class KeywordPage final : public Document {
 public:
  bool CreateControls(HWND window) override {
    text_ = CreateChild(window, kLabelClass, "This keyword has no page here.", 0, 1);
    return text_ != nullptr;
  }
  void Layout(int width, int height) override {
    MoveWindow(text_, 8, 8, width - 16, height - 16, TRUE);
  }
  SIZE InitialSize() const override { return SIZE{360, 160}; }

 private:
  HWND text_ = nullptr;
};

}  // namespace

std::unique_ptr<Document> MakeKeywordPage() { return std::make_unique<KeywordPage>(); }

bool RegisterToolbarClasses(HINSTANCE instance) {
  const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  return RegisterClassNamed(instance, kOuterClass, ToolbarProc, 0, face) &&
         RegisterClassNamed(instance, kInnerClass, ToolbarProc, 0, face);
}

HWND CreateToolbar(HWND frame) {
  const HWND toolbar = CreateChild(frame, kOuterClass, "", 0, 0);
  const HWND inner = CreateChild(toolbar, kInnerClass, "", 0, 0);
  if (toolbar == nullptr || inner == nullptr) return nullptr;
  MoveWindow(inner, 0, 0, 4000, kToolbarHeight, FALSE);
  for (int i = 0; i < kToolbarIconCount; ++i) {
    const std::string caption = std::to_string(i);
    const HWND icon = CreateChild(inner, kIconClass, caption.c_str(), 0, kFirstToolbarIconId + i);
    if (icon == nullptr) return nullptr;
    MoveWindow(icon, kMargin + i * kIconWidth, kMargin, kIconWidth - 2,
               kToolbarHeight - 2 * kMargin, FALSE);
  }
  return CreateKeywordBox(inner, kMargin + kToolbarIconCount * kIconWidth + kMargin) ? toolbar
                                                                                     : nullptr;
}

std::string TakeKeyword(HWND toolbar) {
  const HWND box = KeywordBoxOf(toolbar);
  std::string keyword = WindowText(box);
  SetWindowTextA(box, "");
  const std::size_t start = keyword.find_first_not_of(' ');
  if (start == std::string::npos) return {};
  return keyword.substr(start, keyword.find_last_not_of(' ') - start + 1);
}

std::optional<std::string> RoomRefusal(std::string_view room) {
  for (const Refusal& refusal : kRefusals) {
    if (room == refusal.room) return std::string(refusal.answer);
  }
  return std::nullopt;
}

}  // namespace sonorix::aolsim
