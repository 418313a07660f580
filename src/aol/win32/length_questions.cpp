#include "aol/win32/length_questions.h"

#include <utility>

namespace sonorix {

namespace {

constexpr UINT kAnswerMessage = WM_APP + 1;
constexpr const wchar_t* kMailboxClass = L"Sonorix Answers";

// A window handle keeps its meaning in 32 bits (so 32- and 64-bit programs
// can share them), which leaves the other half of the callback's data for
// the question's number.
ULONG_PTR Pack(HWND mailbox, std::uint32_t question) {
  const auto handle = static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(mailbox));
  return (static_cast<ULONG_PTR>(question) << 32) | handle;
}

HWND MailboxOf(ULONG_PTR data) {
  const auto handle = static_cast<std::int32_t>(data & 0xffffffffu);
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle));
}

}  // namespace

LengthQuestions::LengthQuestions() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MailboxProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kMailboxClass;
  RegisterClassExW(&windowClass);  // fails harmlessly once registered
  mailbox_.reset(CreateWindowExW(0, kMailboxClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
  if (mailbox_) SetWindowLongPtrW(mailbox_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LengthQuestions::~LengthQuestions() = default;

bool LengthQuestions::Ask(HWND window, Answer answer) {
  if (!mailbox_) return false;
  if (answer_ && window == askedWindow_ && IsWindow(window)) return false;
  ++asked_;
  askedWindow_ = window;
  answer_ = std::move(answer);
  if (!SendMessageCallbackW(window, WM_GETTEXTLENGTH, 0, 0, Answered,
                            Pack(mailbox_.get(), asked_))) {
    answer_ = nullptr;  // a window gone: nothing will answer
    return false;
  }
  return true;
}

// Runs when this thread next looks at its messages, possibly inside a wait
// that must not start a handler: it only posts.
void CALLBACK LengthQuestions::Answered(HWND, UINT, ULONG_PTR data, LRESULT result) {
  PostMessageW(MailboxOf(data), kAnswerMessage, static_cast<WPARAM>(data >> 32),
               static_cast<LPARAM>(result));
}

LRESULT CALLBACK LengthQuestions::MailboxProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message != kAnswerMessage) return DefWindowProcW(window, message, wParam, lParam);
  auto* questions = reinterpret_cast<LengthQuestions*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (questions != nullptr) {
    questions->Deliver(static_cast<std::uint32_t>(wParam),
                       static_cast<std::size_t>(lParam < 0 ? 0 : lParam));
  }
  return 0;
}

void LengthQuestions::Deliver(std::uint32_t question, std::size_t length) {
  if (question != asked_ || !answer_) return;
  const Answer answer = std::exchange(answer_, nullptr);
  answer(length);
}

}  // namespace sonorix
