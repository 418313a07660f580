// The window API on user32's ANSI functions, waiting as long as the other
// program takes to answer.
#pragma once

#include <memory>

#include "aol/window_api.h"

namespace sonorix {

class User32WindowApi final : public WindowApi {
 public:
  User32WindowApi();
  ~User32WindowApi() override;

  WindowRef FindTopLevel(std::string_view className) override;
  WindowRef FindTopLevelCaptioned(std::string_view className, std::string_view caption) override;
  std::vector<WindowRef> TopLevelWindows(std::string_view className) override;
  std::uint32_t ProcessOf(WindowRef window) override;
  WindowRef FindChild(WindowRef parent, WindowRef after, std::string_view className) override;
  WindowRef GetSibling(WindowRef window, Sibling which) override;
  WindowRef FindControl(WindowRef parent, int id) override;
  std::intptr_t SendText(WindowRef window, WindowMessage message, std::string_view text) override;
  std::intptr_t Send(WindowRef window, WindowMessage message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  void Post(WindowRef window, WindowMessage message, std::uintptr_t wParam,
            std::intptr_t lParam) override;
  std::size_t TextLength(WindowRef window) override;
  bool AskTextLength(WindowRef window, std::function<void(std::size_t)> answer) override;
  std::string Text(WindowRef window) override;
  std::string Caption(WindowRef window) override;
  bool IsVisible(WindowRef window) override;
  void DoEvents() override;
  // Only posts the system refused: every other call waits for its answer.
  std::uint64_t UnansweredCalls() const override { return refusedPosts_; }

 private:
  std::uint64_t refusedPosts_ = 0;
  // Made on the first question: most instances only ever send.
  std::unique_ptr<class LengthQuestions> questions_;
};

}  // namespace sonorix
