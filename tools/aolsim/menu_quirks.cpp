#include "aolsim/menu_quirks.h"

#include <algorithm>
#include <vector>

namespace sonorix::aolsim {

namespace {

constexpr char kMenuClass[] = "#32768";
constexpr UINT kRaise = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

// This thread's menu windows, topmost first.
std::vector<HWND> OwnMenus() {
  std::vector<HWND> menus;
  for (HWND menu = FindWindowExA(nullptr, nullptr, kMenuClass, nullptr); menu != nullptr;
       menu = FindWindowExA(nullptr, menu, kMenuClass, nullptr)) {
    if (GetWindowThreadProcessId(menu, nullptr) == GetCurrentThreadId()) menus.push_back(menu);
  }
  return menus;
}

HMENU MenuOf(HWND window) {
  return reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
}

bool IsSubMenuOf(HMENU sub, HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (sub != nullptr && GetSubMenu(menu, i) == sub) return true;
  }
  return false;
}

std::ptrdiff_t PlaceOf(const std::vector<HWND>& order, HWND window) {
  return std::find(order.begin(), order.end(), window) - order.begin();
}

// Each shown menu that lies below a sub-menu of its own is raised above it.
void RaiseParents(const std::vector<HWND>& menus) {
  for (HWND parent : menus) {
    for (HWND sub : menus) {
      if (sub == parent || !IsWindowVisible(parent) || !IsWindowVisible(sub)) continue;
      if (!IsSubMenuOf(MenuOf(sub), MenuOf(parent))) continue;
      const std::vector<HWND> order = OwnMenus();
      if (PlaceOf(order, parent) > PlaceOf(order, sub)) {
        SetWindowPos(parent, HWND_TOPMOST, 0, 0, 0, 0, kRaise);
      }
    }
  }
}

// Raised only when out of place, so that the move itself does not wake the
// menu loop into another round of raising.
void RaiseHidden(const std::vector<HWND>& menus) {
  const auto firstShown = std::find_if(menus.begin(), menus.end(), IsWindowVisible);
  for (auto menu = firstShown; menu != menus.end(); ++menu) {
    if (!IsWindowVisible(*menu)) SetWindowPos(*menu, HWND_TOPMOST, 0, 0, 0, 0, kRaise);
  }
}

}  // namespace

HWND MakeHiddenMenu(HWND frame) {
  return CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kMenuClass, "", WS_POPUP, 0, 0, 0, 0,
                         frame, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void ArrangeMenus(const Session& session) {
  if (session.Has("menu-on-top")) RaiseParents(OwnMenus());
  if (session.Has("hidden-menu")) RaiseHidden(OwnMenus());
}

}  // namespace sonorix::aolsim
