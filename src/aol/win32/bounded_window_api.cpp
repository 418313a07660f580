#include "aol/win32/bounded_window_api.h"

#include <windows.h>

#include <utility>

#include "core/win32/message_pump.h"
#include "core/win32/win32_handle.h"

namespace sonorix {

namespace {

class EventSignal final : public AnswerSignal {
 public:
  void Reset() override { ResetEvent(event_.get()); }
  void Set() override { SetEvent(event_.get()); }
  void WaitFor(std::chrono::milliseconds limit) override {
    WaitHandlingSentMessages(event_.get(), limit);
  }

 private:
  UniqueHandle event_ = MakeEvent(true);
};

}  // namespace

BoundedWindowApi::BoundedWindowApi(std::chrono::milliseconds answerLimit)
    : calls_(answerLimit, std::make_unique<EventSignal>()) {}

WindowRef BoundedWindowApi::FindTopLevel(std::string_view className) {
  return direct_.FindTopLevel(className);
}

WindowRef BoundedWindowApi::FindTopLevelCaptioned(std::string_view className,
                                                  std::string_view caption) {
  return direct_.FindTopLevelCaptioned(className, caption);
}

std::vector<WindowRef> BoundedWindowApi::TopLevelWindows(std::string_view className) {
  return direct_.TopLevelWindows(className);
}

std::uint32_t BoundedWindowApi::ProcessOf(WindowRef window) { return direct_.ProcessOf(window); }

WindowRef BoundedWindowApi::FindChild(WindowRef parent, WindowRef after,
                                      std::string_view className) {
  return direct_.FindChild(parent, after, className);
}

WindowRef BoundedWindowApi::GetSibling(WindowRef window, Sibling which) {
  return direct_.GetSibling(window, which);
}

WindowRef BoundedWindowApi::FindControl(WindowRef parent, int id) {
  return direct_.FindControl(parent, id);
}

// Each call on the worker has its own User32WindowApi (it holds no state) and
// copies of its arguments: a call given up may finish after this object is gone.
std::intptr_t BoundedWindowApi::SendText(WindowRef window, WindowMessage message,
                                         std::string_view text) {
  if (!window || closed_) return 0;
  return calls_.Call<std::intptr_t>(
      [window, message, text = std::string(text)] {
        return User32WindowApi().SendText(window, message, text);
      },
      0, "SendText");
}

std::intptr_t BoundedWindowApi::Send(WindowRef window, WindowMessage message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
  if (!window || closed_) return 0;
  return calls_.Call<std::intptr_t>(
      [=] { return User32WindowApi().Send(window, message, wParam, lParam); }, 0, "Send");
}

void BoundedWindowApi::Post(WindowRef window, WindowMessage message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
  if (!closed_) direct_.Post(window, message, wParam, lParam);
}

std::size_t BoundedWindowApi::TextLength(WindowRef window) {
  if (!window) return 0;
  return calls_.Call<std::size_t>([window] { return User32WindowApi().TextLength(window); }, 0,
                                  "TextLength");
}

// Asking never waits, so it needs no worker and no limit.
bool BoundedWindowApi::AskTextLength(WindowRef window, std::function<void(std::size_t)> answer) {
  return direct_.AskTextLength(window, std::move(answer));
}

std::string BoundedWindowApi::Text(WindowRef window) {
  if (!window) return {};
  return calls_.Call<std::string>([window] { return User32WindowApi().Text(window); }, {}, "Text");
}

std::string BoundedWindowApi::Caption(WindowRef window) { return direct_.Caption(window); }

bool BoundedWindowApi::IsVisible(WindowRef window) { return direct_.IsVisible(window); }

void BoundedWindowApi::DoEvents() { direct_.DoEvents(); }

}  // namespace sonorix
