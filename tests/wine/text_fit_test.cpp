// Every window's texts, each in its control's own font, fit the room their
// control gives them, at 100 %, 150 % and 200 % display scale.
#include <functional>
#include <string>
#include <vector>

#include "app/win32/splash_window.h"
#include "bot/win32/match_list_window.h"
#include "fakes/fake_player_parts.h"
#include "look/win32/style_list_window.h"
#include "wine/look_fixture.h"
#include "wine/scale.h"

namespace sonorix {
namespace {

using namespace sonorix::testing;

std::wstring ClassOf(HWND control) {
  wchar_t kind[64] = {};
  GetClassNameW(control, kind, 64);
  return kind;
}

std::wstring WindowText(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The text as the control's font sets it: one line, or wrapped at width.
SIZE Extent(HWND control, const std::wstring& text, int wrapWidth = 0) {
  const HDC dc = GetDC(control);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT rect{0, 0, wrapWidth, 0};
  const UINT format = wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE;
  DrawTextW(dc, text.empty() ? L"Xy" : text.c_str(), -1, &rect, DT_CALCRECT | format);
  if (text.empty()) rect.right = 0;  // an empty box needs a line's height only
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return SIZE{rect.right, rect.bottom};
}

// Inside the control's own edges and margins, what its text may use.
SIZE Room(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  const std::wstring kind = ClassOf(control);
  int width = client.right, height = client.bottom;
  if (kind == L"Button") {  // a 3-D face has a two-pixel edge
    width -= 4;
    height -= 4;
  }
  if (kind == L"Edit") {
    const auto margins = static_cast<DWORD>(SendMessageW(control, EM_GETMARGINS, 0, 0));
    width -= LOWORD(margins) + HIWORD(margins);
  }
  return SIZE{width, height};
}

// Each control of the window (a strip's label too) whose text is cut off.
void CollectClipped(HWND window, std::vector<std::wstring>& clipped) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    CollectClipped(child, clipped);
    const std::wstring kind = ClassOf(child), text = WindowText(child);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    const SIZE room = Room(child);
    SIZE need{};
    if (kind == L"ListBox") {
      const int row = static_cast<int>(SendMessageW(child, LB_GETITEMHEIGHT, 0, 0));
      need = SIZE{0, Extent(child, L"").cy - row + room.cy};
    } else if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
      continue;
    } else if (kind == L"Static" && room.cy >= 2 * Extent(child, L"").cy) {
      need = Extent(child, text, room.cx);  // a paragraph wraps
    } else if (kind == L"Button" || kind == L"Static" || kind == L"Edit") {
      need = Extent(child, text);
    } else {
      continue;
    }
    if (need.cx > room.cx || need.cy > room.cy) {
      clipped.push_back(kind + L" \"" + text + L"\" needs " + std::to_wstring(need.cx) + L"x" +
                        std::to_wstring(need.cy) + L", has " + std::to_wstring(room.cx) + L"x" +
                        std::to_wstring(room.cy));
    }
  }
}

// As the system does for a window dragged to a monitor of another scale.
void MoveToDpi(HWND window, int from, int to) {
  RECT rect{};
  GetWindowRect(window, &rect);
  RECT suggested{rect.left, rect.top, rect.left + MulDiv(rect.right - rect.left, to, from),
                 rect.top + MulDiv(rect.bottom - rect.top, to, from)};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

void ExpectFitAtEveryScale(HWND window, const char* name, const std::function<void()>& check = {}) {
  ASSERT_NE(window, nullptr) << name;
  int dpi = TestDpi();
  for (const int to : {96, 144, 192, TestDpi()}) {
    MoveToDpi(window, dpi, to);
    dpi = to;
    if (check) check();
    std::vector<std::wstring> clipped;
    CollectClipped(window, clipped);
    for (const std::wstring& control : clipped)
      ADD_FAILURE() << name << " at " << dpi << " dpi: " << WideToUtf8(control);
  }
}

TEST_F(LookWindowsTest, NoWindowClipsAnyTextAt96144Or192Dpi) {
  ExpectFitAtEveryScale(Player(), "player");
  Replies("vpre", 1);
  ExpectFitAtEveryScale(app_->Presets()->Hwnd(), "preset window");
  Replies("xpre", 1);
  Replies("vsty", 1);
  Select(*app_->Styles(), "neon");
  ExpectFitAtEveryScale(app_->Styles()->Hwnd(), "style list");
  PressButton(*app_->Styles(), L"make");
  ASSERT_NE(app_->StyleMaker(), nullptr);
  SetWindowTextW(app_->StyleMaker()->AsciiField(), L"~*~");
  ExpectFitAtEveryScale(app_->StyleMaker()->Hwnd(), "style maker");
  PressButton(*app_->StyleMaker(), L"cancel");
  app_->CommandList().Show();
  ExpectFitAtEveryScale(app_->CommandList().Hwnd(), "command list");
  app_->About().Open();
  ExpectFitAtEveryScale(app_->About().Hwnd(), "About box");

  MatchListWindow results([](const std::string&) {}, [] {});
  const Colour black{0};
  results.Load(Preset{"default", "default", black, black, black, black, black});
  results.AddMatches({"one song.mp3", "two song.mp3"});
  ShowWindow(results.Hwnd(), SW_SHOWNOACTIVATE);
  ExpectFitAtEveryScale(results.Hwnd(), "match list");

  // The splash's captions change as it runs: each must fit when shown.
  SplashWindow splash;
  FakeClock clock;
  std::vector<std::wstring> clipped;
  clock.duringPause = [&] { CollectClipped(splash.Hwnd(), clipped); };
  ExpectFitAtEveryScale(splash.Hwnd(), "splash", [&] {
    splash.Run(clock);
    for (const std::wstring& control : clipped) ADD_FAILURE() << "splash: " << WideToUtf8(control);
    clipped.clear();
  });
}

}  // namespace
}  // namespace sonorix
