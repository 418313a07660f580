#include "aol/win32/user32_window_api.h"

#include "aol/win32/token_integrity_levels.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace sonorix {
namespace {

struct WindowDestroyer {
  void operator()(HWND hwnd) const { DestroyWindow(hwnd); }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

constexpr UINT kPoke = WM_APP + 1;
int pokes = 0;

LRESULT CALLBACK TestProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPoke) ++pokes;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

WindowRef Ref(HWND hwnd) { return WindowRef{reinterpret_cast<std::uintptr_t>(hwnd)}; }

class User32WindowApiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TestProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Sonorix Test Frame";
    RegisterClassA(&windowClass);
    frame_.reset(CreateWindowExA(0, "Sonorix Test Frame", "caf\xE9", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(frame_);
    for (const char* text : {"one", "two", "three"}) {
      CreateWindowExA(0, "STATIC", text, WS_CHILD, 0, 0, 10, 10, frame_.get(), nullptr, nullptr,
                      nullptr);
    }
    CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, frame_.get(), nullptr, nullptr, nullptr);
  }

  User32WindowApi api_;
  OwnedWindow frame_;
};

TEST_F(User32WindowApiTest, FindsWindowsByClassWithoutRegardToCaseAndNeverUnderTheDesktop) {
  EXPECT_EQ(api_.FindTopLevel("sonorix test FRAME"), Ref(frame_.get()));
  EXPECT_TRUE(api_.FindChild(Ref(frame_.get()), {}, "static"));
  EXPECT_TRUE(api_.FindChild(Ref(frame_.get()), {}, "Edit"));
  EXPECT_FALSE(api_.FindChild(Ref(frame_.get()), {}, "button"));
  EXPECT_FALSE(api_.FindTopLevel("No Such Class Here"));
  EXPECT_FALSE(api_.FindChild({}, {}, "Sonorix Test Frame")) << "no fall back to the desktop";
  EXPECT_FALSE(api_.GetSibling({}, Sibling::First));
}

TEST_F(User32WindowApiTest, SiblingWalkVisitsEveryChildOnceFromTheTop) {
  const WindowRef first = api_.FindChild(Ref(frame_.get()), {}, "static");
  const WindowRef top = api_.GetSibling(first, Sibling::First);
  int count = 0;
  for (WindowRef at = top; at; at = api_.GetSibling(at, Sibling::Next)) ++count;
  EXPECT_EQ(count, 4);
  const WindowRef second = api_.FindChild(Ref(frame_.get()), first, "static");
  EXPECT_TRUE(second);
  EXPECT_NE(second, first);
  EXPECT_EQ(api_.Text(second), api_.Caption(second));
}

// A hidden window of the class counts as much as a shown one: Windows keeps
// hidden menu windows for reuse.
TEST_F(User32WindowApiTest, TopLevelWindowsOfAClassComeTopmostFirstWithTheirProcess) {
  OwnedWindow hidden(CreateWindowExA(0, "Sonorix Test Frame", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr));
  ASSERT_TRUE(hidden);
  SetWindowPos(frame_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(api_.TopLevelWindows("SONORIX test frame"),
            (std::vector<WindowRef>{Ref(frame_.get()), Ref(hidden.get())}));
  EXPECT_TRUE(api_.TopLevelWindows("No Such Class Here").empty());
  EXPECT_EQ(api_.ProcessOf(Ref(hidden.get())), GetCurrentProcessId());
  EXPECT_EQ(api_.ProcessOf({}), 0u);
  const WindowRef gone = Ref(hidden.get());
  hidden.reset();
  EXPECT_EQ(api_.ProcessOf(gone), 0u);
}

TEST_F(User32WindowApiTest, ControlsAreFoundByTheirIdAmongDirectChildrenOnly) {
  const HWND ok = CreateWindowExA(0, "BUTTON", "Aceptar", WS_CHILD, 0, 0, 10, 10, frame_.get(),
                                  reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
  EXPECT_EQ(api_.FindControl(Ref(frame_.get()), IDOK), Ref(ok));
  EXPECT_FALSE(api_.FindControl(Ref(frame_.get()), IDCANCEL));
  EXPECT_FALSE(api_.FindControl({}, IDOK));
  CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, ok, reinterpret_cast<HMENU>(7), nullptr,
                  nullptr);
  EXPECT_FALSE(api_.FindControl(Ref(frame_.get()), 7)) << "a grandchild";
}

TEST_F(User32WindowApiTest, TextCrossesAsWindows1252AndComesBackAsUtf8) {
  const WindowRef edit = api_.FindChild(Ref(frame_.get()), {}, "edit");
  api_.SendText(edit, WindowMessage::SetText, "pláyin › »");
  EXPECT_EQ(api_.TextLength(edit), 10u) << "one byte per character in the window";
  EXPECT_EQ(api_.Text(edit), "pláyin › »");
  EXPECT_EQ(api_.Caption(Ref(frame_.get())), "café");
  api_.SendText(edit, WindowMessage::SetText, "");
  EXPECT_EQ(api_.Text(edit), "");
}

TEST_F(User32WindowApiTest, AGoneWindowReadsEmpty) {
  const WindowRef edit = api_.FindChild(Ref(frame_.get()), {}, "edit");
  DestroyWindow(reinterpret_cast<HWND>(edit.handle));
  EXPECT_EQ(api_.Text(edit), "");
  EXPECT_EQ(api_.Caption(edit), "");
  EXPECT_FALSE(api_.IsVisible(edit));
  EXPECT_FALSE(api_.GetSibling(edit, Sibling::Next));
}

// A post the system refuses to a window that is there (here a message that
// carries a pointer, which can only be sent) is a call not answered; a post
// to a window gone is not, as every other call on a gone window.
TEST_F(User32WindowApiTest, APostTheSystemRefusesCountsAsUnanswered) {
  const WindowRef edit = api_.FindChild(Ref(frame_.get()), {}, "edit");
  api_.Post(edit, WindowMessage::KeyDown, 0x20, 0);
  EXPECT_EQ(api_.UnansweredCalls(), 0u);
  api_.Post(edit, WindowMessage::SetText, 0, 0);
  EXPECT_EQ(api_.UnansweredCalls(), 1u);
  DestroyWindow(reinterpret_cast<HWND>(edit.handle));
  api_.Post(edit, WindowMessage::KeyDown, 0x20, 0);
  EXPECT_EQ(api_.UnansweredCalls(), 1u);
}

// The tokens are read: a program's own window is at its own level.
TEST_F(User32WindowApiTest, NoWindowOfThisProgramOrGoneOutranksIt) {
  TokenIntegrityLevels levels;
  EXPECT_FALSE(levels.Outranks(Ref(frame_.get())));
  const WindowRef edit = api_.FindChild(Ref(frame_.get()), {}, "edit");
  DestroyWindow(reinterpret_cast<HWND>(edit.handle));
  EXPECT_FALSE(levels.Outranks(edit));
}

TEST_F(User32WindowApiTest, DoEventsDispatchesPendingMessagesAndKeepsTheQuit) {
  pokes = 0;
  PostMessageA(frame_.get(), kPoke, 0, 0);
  PostMessageA(frame_.get(), kPoke, 0, 0);
  api_.DoEvents();
  EXPECT_EQ(pokes, 2);
  PostQuitMessage(7);
  api_.DoEvents();
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
}  // namespace sonorix
