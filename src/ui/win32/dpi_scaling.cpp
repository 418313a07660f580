#include "ui/win32/dpi_scaling.h"

#include <map>
#include <utility>

#include "ui/win32/twips.h"

namespace sonorix {

namespace {

struct Rescale {
  int to;
  int from;
  HWND window;
  std::span<const Placement> laidOut;
  // Fonts already scaled, by the handle they replace: controls share fonts.
  std::map<HFONT, HFONT> made;
  std::vector<Font> fonts;

  int operator()(int value) const { return MulDiv(value, to, from); }

  bool IsLaidOut(HWND control) const {
    for (HWND at = control; at != nullptr && at != window; at = GetParent(at)) {
      for (const Placement& placed : laidOut) {
        if (placed.control == at) return true;
      }
    }
    return false;
  }

  HFONT Scaled(HFONT font) {
    if (const auto found = made.find(font); found != made.end()) return found->second;
    LOGFONTW description{};
    if (GetObjectW(font, sizeof description, &description) == 0) return font;
    description.lfHeight = (*this)(description.lfHeight);
    description.lfWidth = (*this)(description.lfWidth);
    Font scaled(CreateFontIndirectW(&description));
    if (!scaled) return font;
    const HFONT handle = scaled.get();
    fonts.push_back(std::move(scaled));
    made.emplace(font, handle);
    return handle;
  }
};

bool IsOwnerDrawnFixedList(HWND control) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  return CompareStringOrdinal(name, -1, L"ListBox", -1, TRUE) == CSTR_EQUAL &&
         (GetWindowLongW(control, GWL_STYLE) & LBS_OWNERDRAWFIXED) != 0;
}

// Every control, also those inside another, keeps its place in its parent.
BOOL CALLBACK RescaleControl(HWND control, LPARAM data) {
  Rescale& rescale = *reinterpret_cast<Rescale*>(data);
  if (rescale.IsLaidOut(control)) return TRUE;
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  if (font != nullptr) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(rescale.Scaled(font)), FALSE);
  }
  if (IsOwnerDrawnFixedList(control)) {
    const LRESULT row = SendMessageW(control, LB_GETITEMHEIGHT, 0, 0);
    if (row > 0) SendMessageW(control, LB_SETITEMHEIGHT, 0, rescale(static_cast<int>(row)));
  }
  SetWindowPos(control, nullptr, rescale(rect.left), rescale(rect.top),
               rescale(rect.right - rect.left), rescale(rect.bottom - rect.top),
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(control, nullptr, TRUE);
  return TRUE;
}

}  // namespace

void DpiScaling::OnDpiChanged(HWND window, int newDpi, const RECT& suggested,
                              std::span<const Placement> laidOut) {
  if (dpi_ == 0) dpi_ = SystemDpi();
  if (newDpi > 0 && newDpi != dpi_) {
    Rescale rescale{newDpi, dpi_, window, laidOut, {}, {}};
    EnumChildWindows(window, RescaleControl, reinterpret_cast<LPARAM>(&rescale));
    // The controls now hold the new fonts: the old ones can go.
    fonts_ = std::move(rescale.fonts);
    dpi_ = newDpi;
  }
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace sonorix
