#include "ui/win32/text_fit.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/gdi.h"

namespace sonorix {

namespace {

constexpr int kFaceEdge = 2;  // a 3-D face's and a sunken box's edge, pixels
constexpr int kAir = 1;       // between a text and its control's edge

std::wstring ClassOf(HWND control) {
  wchar_t kind[64] = {};
  GetClassNameW(control, kind, 64);
  return kind;
}

// The text in the control's font: one line, or wrapped at wrapWidth.
SIZE TextSize(HWND control, int wrapWidth = 0) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  const HDC dc = GetDC(control);
  RECT rect{0, 0, wrapWidth, 0};
  {
    const Selection font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const UINT format = DT_CALCRECT | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, text.empty() ? L"Xy" : text.c_str(), -1, &rect, format);
  }
  ReleaseDC(control, dc);
  if (text.empty()) rect.right = 0;  // an empty field needs a line's height
  return SIZE{rect.right, rect.bottom};
}

// What the control needs around its text; 0 where it needs nothing.
SIZE Need(HWND control, const RECT& rect) {
  const std::wstring kind = ClassOf(control);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  if (kind == L"Button") {
    const SIZE text = TextSize(control);
    return SIZE{text.cx + 2 * (kFaceEdge + kAir), text.cy + 2 * kFaceEdge};
  }
  if (kind == L"Edit") {
    const auto margins = static_cast<DWORD>(SendMessageW(control, EM_GETMARGINS, 0, 0));
    const SIZE text = TextSize(control);
    return SIZE{text.cx + LOWORD(margins) + HIWORD(margins) + 2 * (kFaceEdge + kAir),
                text.cy + 2 * (kFaceEdge + kAir)};
  }
  if (kind == L"ListBox") {
    // An owner-drawn list's rows are as tall as its font's lines.
    if ((style & LBS_OWNERDRAWFIXED) != 0)
      SendMessageW(control, LB_SETITEMHEIGHT, 0, TextSize(control).cy);
    return SIZE{};
  }
  if (kind == L"Static" && (style & SS_TYPEMASK) != SS_ICON) {
    const int line = TextSize(control).cy;
    const int width = rect.right - rect.left;
    // A label drawn two lines tall or more is a paragraph that wraps.
    if (rect.bottom - rect.top >= 2 * line) return SIZE{0, TextSize(control, width).cy};
    return TextSize(control);
  }
  // The title strip's label fills the strip, inset a little.
  if (kind == L"Sonorix Title Strip") {
    const HWND label = GetWindow(control, GW_CHILD);
    if (label == nullptr) return SIZE{};
    RECT inside{};
    GetWindowRect(label, &inside);
    RECT outside{};
    GetWindowRect(control, &outside);
    const SIZE text = TextSize(label);
    return SIZE{text.cx + (outside.right - outside.left) - (inside.right - inside.left), text.cy};
  }
  return SIZE{};
}

struct Item {
  HWND control;
  RECT rect;  // as drawn
  SIZE grow;  // its own growth
  POINT shift{};
};

bool Overlap(LONG a1, LONG a2, LONG b1, LONG b2) { return a1 < b2 && b1 < a2; }

// Buttons side by side share out the row's width first: those with room to
// spare give it to those without, as long as the row's width holds them all.
void ShareButtonRow(std::vector<Item>& items, const std::vector<SIZE>& needs, int gap) {
  std::vector<std::size_t> row;
  auto share = [&] {
    int deficit = 0, spare = 0;
    for (const std::size_t i : row) {
      const int width = items[i].rect.right - items[i].rect.left;
      deficit += std::max(0, static_cast<int>(needs[i].cx) - width);
      spare += std::max(0, width - static_cast<int>(needs[i].cx));
    }
    if (row.size() < 2 || deficit == 0 || spare < deficit) return;
    int left = items[row.front()].rect.left, given = 0, spareSeen = 0;
    for (std::size_t k = 0; k < row.size(); ++k) {
      RECT& rect = items[row[k]].rect;
      const int width = rect.right - rect.left;
      const int need = static_cast<int>(needs[row[k]].cx);
      const int gapAfter = k + 1 < row.size() ? items[row[k + 1]].rect.left - rect.right : 0;
      // Whole pixels, rounded so that the row keeps its width.
      spareSeen += std::max(0, width - need);
      const int take = MulDiv(deficit, spareSeen, spare) - given;
      given += take;
      rect.left = left;
      rect.right = left + (need > width ? need : width - take);
      left = rect.right + gapAfter;
    }
  };
  std::vector<std::size_t> buttons;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (ClassOf(items[i].control) == L"Button") buttons.push_back(i);
  std::sort(buttons.begin(), buttons.end(), [&](std::size_t a, std::size_t b) {
    const RECT &ra = items[a].rect, &rb = items[b].rect;
    return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
  });
  for (const std::size_t i : buttons) {
    if (!row.empty()) {
      const RECT& last = items[row.back()].rect;
      const RECT& rect = items[i].rect;
      if (rect.top != last.top || rect.bottom != last.bottom || rect.left - last.right > gap ||
          rect.left < last.right) {
        share();
        row.clear();
      }
    }
    row.push_back(i);
  }
  share();
}

// Each control moves along by the most that any control before it in its
// row (or column) grew and moved; returns how far the controls now reach
// past where they were drawn.
template <typename Before, typename Across, typename Grow, typename Shift>
int Push(std::vector<Item>& items, Before before, Across across, Grow grow, Shift shift) {
  // Until nothing moves: a control pushed by a pushed one moves too; a
  // window has a handful of controls.
  for (std::size_t pass = 0; pass < items.size(); ++pass) {
    bool moved = false;
    for (Item& pushed : items) {
      for (Item& pusher : items) {
        if (&pusher == &pushed || !before(pusher, pushed) || !across(pusher, pushed)) continue;
        const int wanted = shift(pusher) + grow(pusher);
        if (wanted > shift(pushed)) {
          shift(pushed) = wanted;
          moved = true;
        }
      }
    }
    if (!moved) break;
  }
  int reach = 0;
  for (Item& item : items) reach = std::max(reach, static_cast<int>(shift(item) + grow(item)));
  return reach;
}

}  // namespace

SIZE FitToText(std::span<const Placement> controls, int dpi, SIZE clientTwips) {
  std::vector<Item> items;
  std::vector<SIZE> needs;
  items.reserve(controls.size());
  for (const Placement& placed : controls) {
    if (!IsWindow(placed.control) || placed.box.width <= 0) continue;
    const RECT rect = PixelRect(placed.box, dpi);
    items.push_back(Item{placed.control, rect, SIZE{}});
    needs.push_back(Need(placed.control, rect));
  }
  ShareButtonRow(items, needs, TwipsToPixels(60, dpi));
  const int clientRight = TwipsToPixels(clientTwips.cx, dpi);
  const int clientBottom = TwipsToPixels(clientTwips.cy, dpi);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const RECT& rect = items[i].rect;
    items[i].grow = SIZE{std::max(0L, needs[i].cx - (rect.right - rect.left)),
                         std::max(0L, needs[i].cy - (rect.bottom - rect.top))};
  }
  const int growX = Push(
      items, [](const Item& a, const Item& b) { return a.rect.right <= b.rect.left; },
      [](const Item& a, const Item& b) {
        return Overlap(a.rect.top, a.rect.bottom, b.rect.top, b.rect.bottom);
      },
      [](const Item& item) { return item.grow.cx; },
      [](Item& item) -> LONG& { return item.shift.x; });
  const int growY = Push(
      items, [](const Item& a, const Item& b) { return a.rect.bottom <= b.rect.top; },
      [](const Item& a, const Item& b) {
        return Overlap(a.rect.left, a.rect.right, b.rect.left, b.rect.right);
      },
      [](const Item& item) { return item.grow.cy; },
      [](Item& item) -> LONG& { return item.shift.y; });
  for (const Item& item : items) {
    RECT rect = item.rect;
    OffsetRect(&rect, item.shift.x, item.shift.y);
    rect.right += item.grow.cx + (item.rect.right >= clientRight ? growX : 0);
    rect.bottom += item.grow.cy + (item.rect.bottom >= clientBottom ? growY : 0);
    SetWindowPos(item.control, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return SIZE{growX, growY};
}

}  // namespace sonorix
