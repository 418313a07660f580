// An in-memory window tree behind the window API, for tests of the walks.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "aol/window_api.h"

namespace sonorix::testing {

class FakeWindowTree final : public WindowApi {
 public:
  struct Sent {
    WindowRef window;
    WindowMessage message;
    std::uintptr_t wParam = 0;
    std::string text;
  };

  // Every window belongs to the client's process unless a top-level one is
  // made for another; children belong to their top-level window's.
  static constexpr std::uint32_t kClientProcess = 1;

  // Siblings keep the order they were added in, which is their z-order,
  // topmost first, until RaiseToTop.
  WindowRef AddTopLevel(std::string className, std::string text = "",
                        std::uint32_t process = kClientProcess);
  WindowRef AddChild(WindowRef parent, std::string className, std::string text = "",
                     int controlId = 0);
  void RaiseToTop(WindowRef window);
  // Windows are shown when made.
  void SetVisible(WindowRef window, bool visible);
  void Destroy(WindowRef window);
  void SetWindowText(WindowRef window, std::string text);
  bool Exists(WindowRef window) const;

  // Runs on every DoEvents: lets a test change the tree in mid-walk.
  std::function<void()> onDoEvents;
  // Runs after every message sent to a window, as the window's own reaction.
  std::function<void(const Sent&)> onSent;
  // What a window answers to a message sent by Send; empty: 0.
  std::function<std::intptr_t(const Sent&)> result;
  // Windows whose text no message changes.
  std::set<std::uintptr_t> fixedText;
  std::vector<Sent> sent;
  std::vector<Sent> SentTo(WindowRef window) const {
    std::vector<Sent> to;
    for (const auto& message : sent) {
      if (message.window == window) to.push_back(message);
    }
    return to;
  }
  int lookups = 0;
  // Asked before each message call (SendText, Send, TextLength, Text) on a
  // window whether the client answers it; empty: it always does. A call not
  // answered yields 0 or "" and counts as unanswered, as the bounded window
  // API gives it, and nothing of it reaches the tree.
  std::function<bool()> answers;
  // The system refuses every post, as to a program it keeps this one from
  // reaching: nothing reaches the tree and each counts as unanswered.
  bool refusesPosts = false;
  // A length question is answered at once, as if by the next tick's
  // messages, unless held: then AnswerHeldQuestion answers the newest with
  // the length at that moment. One the client does not answer is dropped.
  bool holdQuestions = false;
  int questionsAsked = 0;
  void AnswerHeldQuestion();

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
  std::uint64_t UnansweredCalls() const override { return unanswered_; }

 private:
  struct Node {
    std::string className;
    std::string text;
    std::uintptr_t parent = 0;
    std::vector<std::uintptr_t> children;
    std::uint32_t process = kClientProcess;
    int controlId = 0;
    bool visible = true;
  };

  std::vector<std::uintptr_t>& SiblingsOf(const Node& node);
  const Node* Find(WindowRef window) const;
  bool Answers(WindowRef window);

  std::map<std::uintptr_t, Node> nodes_;
  std::vector<std::uintptr_t> topLevel_;
  std::uintptr_t nextHandle_ = 0x100;
  std::uint64_t unanswered_ = 0;
  WindowRef heldWindow_;
  std::function<void(std::size_t)> heldAnswer_;
};

}  // namespace sonorix::testing
