#include "aolsim/chat_room_window.h"

#include <algorithm>

#include "aolsim/transcript_view.h"
#include "aolsim/window_classes.h"
#include "aolsim/window_support.h"

namespace sonorix::aolsim {

namespace {

constexpr int kFirstControlId = 101;
constexpr int kMargin = 8;
constexpr int kRowHeight = 24;
constexpr int kSideWidth = 96;
constexpr int kComboWidth = 170;
constexpr int kSendWidth = 72;

void Place(HWND control, int x, int y, int width, int height) {
  MoveWindow(control, x, y, std::max(width, 0), std::max(height, 0), TRUE);
}

}  // namespace

ChatRoom::ChatRoom(Session& session, std::string name)
    : session_(session), name_(std::move(name)) {}

bool ChatRoom::CreateControls(HWND window) {
  window_ = window;
  const auto id = [](Control control) { return kFirstControlId + control; };
  controls_[kTitle] = CreateChild(window, kLabelClass, name_.c_str(), 0, id(kTitle));
  controls_[kTranscript] = CreateTranscriptView(window, id(kTranscript), session_.maxLines);
  controls_[kCombo] = CreateChild(window, kComboClass, "People here", 0, id(kCombo));
  controls_[kSendIcon] = CreateChild(window, kIconClass, "Send", 0, id(kSendIcon));
  controls_[kInput] =
      CreateChild(window, kInputClass, "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, id(kInput));
  controls_[kImage] = CreateChild(window, kImageClass, "Chat", 0, id(kImage));
  if (std::find(controls_.begin(), controls_.end(), nullptr) != controls_.end()) return false;
  SendMessageA(InputWindow(), WM_SETFONT,
               reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return true;
}

// The transcript takes what the fixed rows leave: the title row above, the
// input row below and a picture column on the right.
void ChatRoom::Layout(int width, int height) {
  const int inner = width - 2 * kMargin;
  const int bodyTop = kMargin + kRowHeight + kMargin / 2;
  const int inputTop = height - kMargin - kRowHeight;
  Place(controls_[kTitle], kMargin, kMargin, inner - kComboWidth - kMargin, kRowHeight);
  Place(controls_[kCombo], width - kMargin - kComboWidth, kMargin, kComboWidth, kRowHeight);
  Place(controls_[kTranscript], kMargin, bodyTop, inner - kSideWidth - kMargin,
        inputTop - kMargin / 2 - bodyTop);
  Place(controls_[kImage], width - kMargin - kSideWidth, bodyTop, kSideWidth, kSideWidth);
  Place(controls_[kInput], kMargin, inputTop, inner - kSendWidth - kMargin, kRowHeight);
  Place(controls_[kSendIcon], width - kMargin - kSendWidth, inputTop, kSendWidth, kRowHeight);
}

std::optional<LRESULT> ChatRoom::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool sendClicked = message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
                           reinterpret_cast<HWND>(lParam) == controls_[kSendIcon];
  if (message == kSubmitInput || sendClicked) {
    SendInput();
    return 0;
  }
  if (message == WM_SETFOCUS) {
    // The MDI default first, so the room is active, then typing goes to the box.
    DefMDIChildProcA(window, message, wParam, lParam);
    SetFocus(InputWindow());
    return 0;
  }
  return std::nullopt;
}

void ChatRoom::AddMemberLine(std::string_view name, std::string_view html) {
  AppendChatLine(TranscriptWindow(), name, html);
}

void ChatRoom::SendInput() {
  const std::string line = WindowText(InputWindow());
  if (line.empty()) return;
  session_.LogSentLine(line);
  AppendChatLine(TranscriptWindow(), session_.screenName, line);
  SetWindowTextA(InputWindow(), "");
}

}  // namespace sonorix::aolsim
