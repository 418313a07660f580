// The window API through which the program drives another program's windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sonorix {

// A window of any program; the null reference means "no window". Handles
// are only compared and passed back, never interpreted.
struct WindowRef {
  std::uintptr_t handle = 0;

  explicit operator bool() const { return handle != 0; }
  friend bool operator==(WindowRef, WindowRef) = default;
};

// Window messages the automation sends, with their Windows numbers.
enum class WindowMessage : unsigned {
  SetText = 0x000C,
  GetText = 0x000D,
  GetTextLength = 0x000E,
  Close = 0x0010,
  CancelMode = 0x001F,
  KeyDown = 0x0100,
  KeyUp = 0x0101,
  Char = 0x0102,
  LeftButtonDown = 0x0201,
  LeftButtonUp = 0x0202,
  ListGetCount = 0x018B,
};

// Siblings in z-order, topmost first.
enum class Sibling { First, Next };

// Text crosses as UTF-8; an implementation converts to what the windows hold.
// Class names are matched without regard to case. Any call on a window that
// no longer exists yields the null reference, 0 or "". So does a call that
// its program did not answer in time, where an implementation sets a limit.
class WindowApi {
 public:
  virtual ~WindowApi() = default;

  // The first top-level window of the class, whatever its caption.
  virtual WindowRef FindTopLevel(std::string_view className) = 0;
  // The first top-level window of the class with exactly this caption.
  virtual WindowRef FindTopLevelCaptioned(std::string_view className, std::string_view caption) = 0;
  // Every top-level window of the class, shown or hidden, of any program,
  // topmost first.
  virtual std::vector<WindowRef> TopLevelWindows(std::string_view className) = 0;
  // The id of the process that made the window; 0 for no window.
  virtual std::uint32_t ProcessOf(WindowRef window) = 0;
  // The first direct child of parent of the class after `after` (null: from
  // the first child). A null parent yields null: the desktop is never searched.
  virtual WindowRef FindChild(WindowRef parent, WindowRef after, std::string_view className) = 0;
  virtual WindowRef GetSibling(WindowRef window, Sibling which) = 0;
  // The direct child with this control id (a dialog's OK button has IDOK,
  // 1, whatever its caption says in the system's language), or null.
  virtual WindowRef FindControl(WindowRef parent, int id) = 0;

  // Sends a message whose lParam is a text, such as SetText.
  virtual std::intptr_t SendText(WindowRef window, WindowMessage message,
                                 std::string_view text) = 0;
  virtual std::intptr_t Send(WindowRef window, WindowMessage message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
  // A post the system refuses while the window still exists (a message it
  // will not post, a full queue, a program it keeps this one from reaching)
  // reaches nothing and counts as unanswered.
  virtual void Post(WindowRef window, WindowMessage message, std::uintptr_t wParam,
                    std::intptr_t lParam) = 0;

  // The length in the window's own bytes: a cheap "did it change" probe.
  virtual std::size_t TextLength(WindowRef window) = 0;
  // A length asked without waiting, in a unit of its own (compare it only
  // with other answers to it): the answer comes later, on this
  // thread, where it handles its posted messages, as a timer's tick does.
  // None comes for a window gone or a program that does not answer. At most
  // one question is outstanding per window: while one is unanswered,
  // asking that window again does nothing and returns false, so a hung
  // program is never buried in questions. Never stalls on a hung program.
  virtual bool AskTextLength(WindowRef window, std::function<void(std::size_t)> answer) = 0;
  // The window's text through GetTextLength and GetText messages, which
  // reach the text of controls in other programs.
  virtual std::string Text(WindowRef window) = 0;
  // The window's caption as the system's window-text call reads it.
  virtual std::string Caption(WindowRef window) = 0;
  virtual bool IsVisible(WindowRef window) = 0;

  // Handles this program's pending window events once, so timers and
  // clicks keep running during a long walk.
  virtual void DoEvents() = 0;

  // How many calls so far were not answered in time. Read before and after
  // some calls, it tells a program that stopped answering (absent for now)
  // from a window that is empty or gone.
  virtual std::uint64_t UnansweredCalls() const = 0;
};

}  // namespace sonorix
