#include "aol/win32/user32_window_api.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "aol/win32/length_questions.h"
#include "core/trace.h"
#include "core/win32/code_page.h"
#include "core/win32/message_pump.h"

namespace sonorix {

namespace {

HWND ToHwnd(WindowRef window) { return reinterpret_cast<HWND>(window.handle); }
WindowRef ToRef(HWND hwnd) { return WindowRef{reinterpret_cast<std::uintptr_t>(hwnd)}; }

bool SameClass(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

struct ClassSearch {
  std::string className;  // in the system's ANSI code page
  std::vector<WindowRef> found;
};

// No exception may cross into the system's enumeration: a list that cannot
// grow ends it.
BOOL CALLBACK CollectOfClass(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ClassSearch*>(data);
  char name[256] = {};
  const int length = GetClassNameA(window, name, static_cast<int>(sizeof name));
  if (length <= 0 ||
      !SameClass(std::string_view(name, static_cast<std::size_t>(length)), search->className)) {
    return TRUE;
  }
  try {
    search->found.push_back(ToRef(window));
  } catch (...) {
    return FALSE;
  }
  return TRUE;
}

}  // namespace

User32WindowApi::User32WindowApi() = default;
User32WindowApi::~User32WindowApi() = default;

WindowRef User32WindowApi::FindTopLevel(std::string_view className) {
  return ToRef(FindWindowA(Utf8ToAnsi(className).c_str(), nullptr));
}

WindowRef User32WindowApi::FindTopLevelCaptioned(std::string_view className,
                                                 std::string_view caption) {
  return ToRef(FindWindowA(Utf8ToAnsi(className).c_str(), Utf8ToAnsi(caption).c_str()));
}

// EnumWindows takes one snapshot, in z-order: a loop of FindWindowEx calls
// loses its place when the window it continues after closes.
std::vector<WindowRef> User32WindowApi::TopLevelWindows(std::string_view className) {
  ClassSearch search{Utf8ToAnsi(className), {}};
  EnumWindows(CollectOfClass, reinterpret_cast<LPARAM>(&search));
  return std::move(search.found);
}

std::uint32_t User32WindowApi::ProcessOf(WindowRef window) {
  DWORD process = 0;
  if (window && GetWindowThreadProcessId(ToHwnd(window), &process) == 0) return 0;
  return process;
}

WindowRef User32WindowApi::FindChild(WindowRef parent, WindowRef after,
                                     std::string_view className) {
  // FindWindowEx with no parent searches the desktop: never what a walk means.
  if (!parent) return {};
  return ToRef(
      FindWindowExA(ToHwnd(parent), ToHwnd(after), Utf8ToAnsi(className).c_str(), nullptr));
}

WindowRef User32WindowApi::GetSibling(WindowRef window, Sibling which) {
  if (!window) return {};
  return ToRef(GetWindow(ToHwnd(window), which == Sibling::First ? GW_HWNDFIRST : GW_HWNDNEXT));
}

WindowRef User32WindowApi::FindControl(WindowRef parent, int id) {
  if (!parent) return {};
  return ToRef(GetDlgItem(ToHwnd(parent), id));
}

std::intptr_t User32WindowApi::SendText(WindowRef window, WindowMessage message,
                                        std::string_view text) {
  if (!window) return 0;
  const std::string ansi = Utf8ToAnsi(text);
  return SendMessageA(ToHwnd(window), static_cast<UINT>(message), 0,
                      reinterpret_cast<LPARAM>(ansi.c_str()));
}

std::intptr_t User32WindowApi::Send(WindowRef window, WindowMessage message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
  if (!window) return 0;
  return SendMessageA(ToHwnd(window), static_cast<UINT>(message), wParam, lParam);
}

void User32WindowApi::Post(WindowRef window, WindowMessage message, std::uintptr_t wParam,
                           std::intptr_t lParam) {
  if (!window) return;
  const HWND hwnd = ToHwnd(window);
  // A message dropped for a program at a higher integrity level may still
  // report success, with only the last error set to say so.
  SetLastError(ERROR_SUCCESS);
  const bool posted = PostMessageA(hwnd, static_cast<UINT>(message), wParam, lParam) != FALSE &&
                      GetLastError() != ERROR_ACCESS_DENIED;
  if (posted || !IsWindow(hwnd)) return;
  ++refusedPosts_;
  Trace("client message not posted: " + std::to_string(static_cast<unsigned>(message)));
}

std::size_t User32WindowApi::TextLength(WindowRef window) {
  if (!window) return 0;
  return static_cast<std::size_t>(SendMessageA(ToHwnd(window), WM_GETTEXTLENGTH, 0, 0));
}

bool User32WindowApi::AskTextLength(WindowRef window, std::function<void(std::size_t)> answer) {
  if (!window) return false;
  if (!questions_) questions_ = std::make_unique<LengthQuestions>();
  return questions_->Ask(ToHwnd(window), std::move(answer));
}

std::string User32WindowApi::Text(WindowRef window) {
  const std::size_t length = TextLength(window);
  if (length == 0) return {};
  std::string buffer(length + 1, ' ');
  // The text may shrink between the two messages: keep only what was copied.
  const auto copied = static_cast<std::size_t>(SendMessageA(
      ToHwnd(window), WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(buffer.data())));
  buffer.resize(copied < length ? copied : length);
  return AnsiToUtf8(buffer);
}

std::string User32WindowApi::Caption(WindowRef window) {
  if (!window) return {};
  const int length = GetWindowTextLengthA(ToHwnd(window));
  if (length <= 0) return {};
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(ToHwnd(window), buffer.data(), length + 1);
  buffer.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return AnsiToUtf8(buffer);
}

bool User32WindowApi::IsVisible(WindowRef window) {
  return window && IsWindowVisible(ToHwnd(window)) != FALSE;
}

void User32WindowApi::DoEvents() { PumpPendingMessages(); }

}  // namespace sonorix
