#include "fakes/fake_window_tree.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace sonorix::testing {

namespace {

bool SameClass(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

WindowRef FakeWindowTree::AddTopLevel(std::string className, std::string text,
                                      std::uint32_t process) {
  const auto handle = nextHandle_++;
  nodes_[handle] = Node{std::move(className), std::move(text), 0, {}, process};
  topLevel_.push_back(handle);
  return WindowRef{handle};
}

WindowRef FakeWindowTree::AddChild(WindowRef parent, std::string className, std::string text,
                                   int controlId) {
  const auto handle = nextHandle_++;
  Node& parentNode = nodes_.at(parent.handle);
  nodes_[handle] =
      Node{std::move(className), std::move(text), parent.handle, {}, parentNode.process, controlId};
  parentNode.children.push_back(handle);
  return WindowRef{handle};
}

void FakeWindowTree::SetVisible(WindowRef window, bool visible) {
  nodes_.at(window.handle).visible = visible;
}

std::vector<std::uintptr_t>& FakeWindowTree::SiblingsOf(const Node& node) {
  return node.parent == 0 ? topLevel_ : nodes_.at(node.parent).children;
}

void FakeWindowTree::RaiseToTop(WindowRef window) {
  auto& siblings = SiblingsOf(nodes_.at(window.handle));
  std::erase(siblings, window.handle);
  siblings.insert(siblings.begin(), window.handle);
}

void FakeWindowTree::Destroy(WindowRef window) {
  const auto found = nodes_.find(window.handle);
  if (found == nodes_.end()) return;
  for (const auto child : std::vector<std::uintptr_t>(found->second.children)) {
    Destroy(WindowRef{child});
  }
  std::erase(SiblingsOf(found->second), window.handle);
  nodes_.erase(window.handle);
}

void FakeWindowTree::SetWindowText(WindowRef window, std::string text) {
  nodes_.at(window.handle).text = std::move(text);
}

bool FakeWindowTree::Exists(WindowRef window) const { return Find(window) != nullptr; }

const FakeWindowTree::Node* FakeWindowTree::Find(WindowRef window) const {
  const auto found = nodes_.find(window.handle);
  return found == nodes_.end() ? nullptr : &found->second;
}

bool FakeWindowTree::Answers(WindowRef window) {
  if (!window || !answers || answers()) return true;
  ++unanswered_;
  return false;
}

WindowRef FakeWindowTree::FindTopLevel(std::string_view className) {
  ++lookups;
  for (const auto handle : topLevel_) {
    if (SameClass(nodes_.at(handle).className, className)) return WindowRef{handle};
  }
  return {};
}

WindowRef FakeWindowTree::FindTopLevelCaptioned(std::string_view className,
                                                std::string_view caption) {
  ++lookups;
  for (const auto handle : topLevel_) {
    const Node& node = nodes_.at(handle);
    if (SameClass(node.className, className) && node.text == caption) return WindowRef{handle};
  }
  return {};
}

std::vector<WindowRef> FakeWindowTree::TopLevelWindows(std::string_view className) {
  ++lookups;
  std::vector<WindowRef> found;
  for (const auto handle : topLevel_) {
    if (SameClass(nodes_.at(handle).className, className)) found.push_back(WindowRef{handle});
  }
  return found;
}

std::uint32_t FakeWindowTree::ProcessOf(WindowRef window) {
  const Node* node = Find(window);
  return node == nullptr ? 0 : node->process;
}

WindowRef FakeWindowTree::FindControl(WindowRef parent, int id) {
  ++lookups;
  const Node* node = Find(parent);
  if (node == nullptr) return {};
  for (const auto child : node->children) {
    if (nodes_.at(child).controlId == id) return WindowRef{child};
  }
  return {};
}

WindowRef FakeWindowTree::FindChild(WindowRef parent, WindowRef after, std::string_view className) {
  ++lookups;
  const Node* node = Find(parent);
  if (node == nullptr) return {};
  auto at = node->children.begin();
  if (after) {
    at = std::find(node->children.begin(), node->children.end(), after.handle);
    if (at == node->children.end()) return {};
    ++at;
  }
  for (; at != node->children.end(); ++at) {
    if (SameClass(nodes_.at(*at).className, className)) return WindowRef{*at};
  }
  return {};
}

WindowRef FakeWindowTree::GetSibling(WindowRef window, Sibling which) {
  ++lookups;
  const Node* node = Find(window);
  if (node == nullptr) return {};
  const auto& siblings = SiblingsOf(*node);
  if (which == Sibling::First) return WindowRef{siblings.front()};
  const auto at = std::find(siblings.begin(), siblings.end(), window.handle);
  return at + 1 == siblings.end() ? WindowRef{} : WindowRef{*(at + 1)};
}

std::intptr_t FakeWindowTree::SendText(WindowRef window, WindowMessage message,
                                       std::string_view text) {
  if (!Answers(window) || !Exists(window)) return 0;
  sent.push_back({window, message, 0, std::string(text)});
  if (message == WindowMessage::SetText && fixedText.count(window.handle) == 0) {
    nodes_.at(window.handle).text = std::string(text);
  }
  if (onSent) onSent(sent.back());
  return 1;
}

std::intptr_t FakeWindowTree::Send(WindowRef window, WindowMessage message, std::uintptr_t wParam,
                                   std::intptr_t) {
  if (!Answers(window) || !Exists(window)) return 0;
  sent.push_back({window, message, wParam, {}});
  const Sent copy = sent.back();
  if (onSent) onSent(copy);
  return result ? result(copy) : 0;
}

void FakeWindowTree::Post(WindowRef window, WindowMessage message, std::uintptr_t wParam,
                          std::intptr_t) {
  if (!Exists(window)) return;
  if (refusesPosts) {
    ++unanswered_;
    return;
  }
  sent.push_back({window, message, wParam, {}});
}

std::size_t FakeWindowTree::TextLength(WindowRef window) {
  if (!Answers(window)) return 0;
  const Node* node = Find(window);
  return node == nullptr ? 0 : node->text.size();
}

bool FakeWindowTree::AskTextLength(WindowRef window, std::function<void(std::size_t)> answer) {
  if (!Exists(window)) return false;
  if (heldAnswer_ && heldWindow_ == window) return false;
  ++questionsAsked;
  if (answers && !answers()) return true;  // lost in a client that does not answer
  heldWindow_ = window;
  heldAnswer_ = std::move(answer);
  if (!holdQuestions) AnswerHeldQuestion();
  return true;
}

void FakeWindowTree::AnswerHeldQuestion() {
  if (!heldAnswer_) return;
  const Node* node = Find(heldWindow_);
  const auto answer = std::exchange(heldAnswer_, nullptr);
  if (node != nullptr) answer(node->text.size());
}

std::string FakeWindowTree::Text(WindowRef window) {
  return Answers(window) ? Caption(window) : "";
}

std::string FakeWindowTree::Caption(WindowRef window) {
  const Node* node = Find(window);
  return node == nullptr ? "" : node->text;
}

bool FakeWindowTree::IsVisible(WindowRef window) {
  const Node* node = Find(window);
  return node != nullptr && node->visible;
}

void FakeWindowTree::DoEvents() {
  if (onDoEvents) onDoEvents();
}

}  // namespace sonorix::testing
