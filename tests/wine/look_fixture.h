// The program with one more style and preset than the prepared folder
// holds, and ways to drive its look windows as a user would.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "core/win32/code_page.h"
#include "core/win32/profile_store.h"
#include "testutil.h"
#include "wine/dialogs.h"
#include "wine/program_fixture.h"

namespace sonorix::testing {

using namespace std::chrono_literals;

// The style "neon" and the preset "night" beside the prepared ones.
inline const Style kNeon{"neon", "neon", "00FF00", "~", "0000FF"};
constexpr COLORREF kNightList = RGB(255, 255, 0);

inline COLORREF ListTextColour(HWND window) {
  const HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(window, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(FindWindowExW(window, nullptr, L"ListBox", nullptr)));
  const COLORREF colour = GetTextColor(dc);
  DeleteDC(dc);
  return colour;
}

inline COLORREF StripColourAtLeft(HWND window) {
  RECT rect{};
  GetWindowRect(FindWindowExW(window, nullptr, L"Sonorix Title Strip", nullptr), &rect);
  const HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, rect.left, (rect.top + rect.bottom) / 2);
  ReleaseDC(nullptr, screen);
  return colour;
}

class LookWindowsTest : public ProgramTest {
 protected:
  void SetUp() override {
    StartWith({{"cbr128.mp3", "a.mp3"}});
    Write("styles\\neon.ini", "styles",
          {{"STYLE", "neon"}, {"ASCII", "~"}, {"ACOLOR", "00FF00"}, {"FCOLOR", "0000FF"}});
    Write("presets\\night.ini", "preset",
          {{"NAME", "night"},
           {"FADE1", "255"},
           {"FADE2", "65280"},
           {"LABEL", "16711680"},
           {"LIST", "65535"},
           {"BUTTON", "16776960"}});
  }
  void Write(const std::string& file, const char* section,
             const std::vector<std::pair<const char*, const char*>>& keys) const {
    for (const auto& [key, value] : keys) {
      WritePrivateProfileStringA(section, key, value, (folder_->Path() + "\\" + file).c_str());
    }
  }
  std::string Read(const std::string& file, const char* section, const char* key) const {
    return ProfileStore().Read(section, key, folder_->Path() + "\\" + file);
  }
  bool Exists(const std::string& file) const {
    return GetFileAttributesA((folder_->Path() + "\\" + file).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  // The one line the action sends to the room.
  std::string SaysOnce(const std::function<void()>& action) {
    const std::size_t before = Sent().size();
    action();
    Pump([&] { return Sent().size() > before; }, 10s);
    const Lines said = SentBeforeDate(before, "the action");
    if (said.size() == 1) return said.front();
    return std::to_string(said.size()) + " lines";
  }
  // The text of the message box the action raises, pressed away.
  std::wstring BoxOf(const std::function<void()>& action) {
    std::wstring text;
    std::atomic<bool> done{false};
    std::thread answer([&] {
      if (const HWND box = WaitForDialog()) {
        text = DialogText(box);
        Press(box, IDOK);
      }
      done = true;
    });
    action();
    Pump([&] { return done.load(); }, 40s);
    answer.join();
    return text;
  }
  static void PressButton(LookFrame& form, const wchar_t* caption) {
    SendMessageW(form.Button(caption), BM_CLICK, 0, 0);
  }
  static void Select(LookFrame& form, const std::string& entry) {
    const HWND list = form.List()->Hwnd();
    const std::wstring text = Utf8ToWide(entry);
    SendMessageW(list, LB_SETCURSEL,
                 SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(text.c_str())),
                 0);
    SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  }
};

}  // namespace sonorix::testing
