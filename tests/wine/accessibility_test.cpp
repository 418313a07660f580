// What a screen reader finds in every window, read through MSAA as one
// would read it.
#include <oleacc.h>

#include <string>
#include <vector>

#include "wine/look_fixture.h"

namespace sonorix {
namespace {

using namespace sonorix::testing;

std::wstring AccessibleName(HWND control) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible)))) {
    return {};
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const HRESULT got = accessible->get_accName(self, &name);
  std::wstring text = got == S_OK && name != nullptr ? name : L"";
  SysFreeString(name);
  accessible->Release();
  return text;
}

// Every control the user can see in the window, by class, without a name.
std::vector<std::wstring> Nameless(HWND window) {
  std::vector<std::wstring> nameless;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || !AccessibleName(child).empty()) continue;
    wchar_t kind[64] = {};
    GetClassNameW(child, kind, 64);
    nameless.push_back(kind);
  }
  return nameless;
}

TEST_F(LookWindowsTest, EveryControlHasANameAndTheSongListTellsTheSongAndItsPlace) {
  EXPECT_EQ(Nameless(Player()), std::vector<std::wstring>{});
  const HWND songs = FindWindowExW(Player(), nullptr, L"ListBox", nullptr);
  EXPECT_EQ(AccessibleName(songs), L"songs");
  SendMessageW(songs, LB_SETCURSEL, 0, 0);
  SendMessageW(Player(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(songs), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(songs));
  EXPECT_EQ(AccessibleName(songs), L"songs, a.mp3, 1 of 1");
  Click(L"play");
  const HWND bar = FindWindowExW(Player(), nullptr, L"Sonorix Progress", nullptr);
  EXPECT_TRUE(
      Pump([&] { return AccessibleName(bar).find(L" of 0:03") != std::wstring::npos; }, 10s))
      << "the position and the length: " << WideToUtf8(AccessibleName(bar));

  Replies("vpre", 1);
  EXPECT_EQ(Nameless(app_->Presets()->Hwnd()), std::vector<std::wstring>{});
  EXPECT_EQ(AccessibleName(app_->Presets()->Preview(1)), L"list item preview");
  Replies("xpre", 1);
  Replies("vsty", 1);
  EXPECT_EQ(Nameless(app_->Styles()->Hwnd()), std::vector<std::wstring>{});
  Replies("xsty", 1);
  Replies("vcmds", 1);
  EXPECT_EQ(Nameless(app_->CommandList().Hwnd()), std::vector<std::wstring>{});
}

}  // namespace
}  // namespace sonorix
