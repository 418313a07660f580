// What a screen reader finds in every window, read through MSAA as one
// would read it.
#include <oleacc.h>

#include <string>
#include <vector>

#include "wine/look_fixture.h"

namespace sonorix {
namespace {

using namespace sonorix::testing;

// One text property of the control itself, as a screen reader asks for it.
std::wstring Accessible(HWND control,
                        HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*)) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible)))) {
    return {};
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR value = nullptr;
  const HRESULT got = (accessible->*property)(self, &value);
  std::wstring text = got == S_OK && value != nullptr ? value : L"";
  SysFreeString(value);
  accessible->Release();
  return text;
}

std::wstring AccessibleName(HWND control) { return Accessible(control, &IAccessible::get_accName); }

long AccessibleRole(HWND control) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible)))) {
    return 0;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role{};
  const bool got = accessible->get_accRole(self, &role) == S_OK && role.vt == VT_I4;
  accessible->Release();
  return got ? role.lVal : 0;
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
  const auto value = [&] { return Accessible(bar, &IAccessible::get_accValue); };
  EXPECT_TRUE(Pump([&] { return value().find(L" of 0:03") != std::wstring::npos; }, 10s))
      << "the position and the length: " << WideToUtf8(value());
  EXPECT_EQ(AccessibleName(bar), L"position");
  EXPECT_EQ(AccessibleRole(bar), ROLE_SYSTEM_SLIDER);

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
