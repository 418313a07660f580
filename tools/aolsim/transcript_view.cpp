#include "aolsim/transcript_view.h"

#include <algorithm>

#include "aolsim/transcript.h"
#include "aolsim/transcript_painter.h"
#include "aolsim/window_classes.h"
#include "aolsim/window_support.h"

namespace sonorix::aolsim {

namespace {

constexpr int kWheelLines = 3;
constexpr int kPageLines = 10;
// Lines sent by another program arrive one message at a time and the queue
// runs dry between them; repainting the view and its scroll bar after each
// costs several times the line itself, so repaints are gathered.
constexpr UINT_PTR kRepaintTimer = 1;
constexpr UINT kRepaintDelayMs = 20;

struct ViewState {
  explicit ViewState(std::size_t maxLines) : transcript(maxLines) {}

  Transcript transcript;
  ChatFonts fonts;
  // How many of the newest lines are scrolled out below the view.
  std::size_t skipNewest = 0;
  bool repaintPending = false;
  // The length questions asked so far, shown to tests as a window property.
  std::uintptr_t lengthQuestions = 0;
};

// The scroll position is the index of the line shown at the bottom.
void UpdateScrollBar(HWND view, const ViewState& state) {
  const std::size_t count = state.transcript.Lines().size();
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = static_cast<int>(count == 0 ? 0 : count - 1);
  info.nPage = 1;
  info.nPos = static_cast<int>(count == 0 ? 0 : count - 1 - state.skipNewest);
  SetScrollInfo(view, SB_VERT, &info, TRUE);
}

void RepaintNow(HWND view, ViewState& state) {
  KillTimer(view, kRepaintTimer);
  state.repaintPending = false;
  UpdateScrollBar(view, state);
  InvalidateRect(view, nullptr, FALSE);
}

// The window text is what other programs read, so it follows every change
// at once; the face catches up a moment later.
void Refresh(HWND view, ViewState& state) {
  DefWindowProcA(view, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(state.transcript.Text().c_str()));
  const std::size_t count = state.transcript.Lines().size();
  state.skipNewest = std::min(state.skipNewest, count == 0 ? 0 : count - 1);
  if (state.repaintPending) return;
  state.repaintPending = SetTimer(view, kRepaintTimer, kRepaintDelayMs, nullptr) != 0;
  if (!state.repaintPending) RepaintNow(view, state);
}

void ScrollTo(HWND view, ViewState& state, long long bottomLine) {
  const auto count = static_cast<long long>(state.transcript.Lines().size());
  if (count == 0) return;
  bottomLine = std::clamp(bottomLine, 0LL, count - 1);
  state.skipNewest = static_cast<std::size_t>(count - 1 - bottomLine);
  RepaintNow(view, state);
}

void HandleScroll(HWND view, ViewState& state, int request) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(view, SB_VERT, &info);
  // From the state, not the bar, which may lag a repaint behind.
  const auto count = static_cast<long long>(state.transcript.Lines().size());
  long long position = count - 1 - static_cast<long long>(state.skipNewest);
  switch (request) {
    case SB_LINEUP:
      position -= 1;
      break;
    case SB_LINEDOWN:
      position += 1;
      break;
    case SB_PAGEUP:
      position -= kPageLines;
      break;
    case SB_PAGEDOWN:
      position += kPageLines;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = count - 1;
      break;
    default:
      return;
  }
  ScrollTo(view, state, position);
}

// Painted off screen first, so lines arriving quickly do not flicker.
void Paint(HWND view, const ViewState& state) {
  const PaintScope paint(view);
  RECT area{};
  GetClientRect(view, &area);
  const UniqueMemoryDc buffer(CreateCompatibleDC(paint.Dc()));
  const UniqueBitmap bitmap(CreateCompatibleBitmap(paint.Dc(), std::max<int>(area.right, 1),
                                                   std::max<int>(area.bottom, 1)));
  if (!buffer || !bitmap) return;
  const ScopedSelect select(buffer.get(), bitmap.get());
  PaintChatLines(buffer.get(), area, state.transcript.Lines(), state.skipNewest, state.fonts);
  BitBlt(paint.Dc(), 0, 0, area.right, area.bottom, buffer.get(), 0, 0, SRCCOPY);
}

// Only emptying is accepted: the transcript is written by the room alone.
LRESULT HandleSetText(HWND view, ViewState& state, LPARAM lParam) {
  const auto* text = reinterpret_cast<const char*>(lParam);
  if (text != nullptr && *text != '\0') return FALSE;
  state.transcript.Clear();
  state.skipNewest = 0;
  Refresh(view, state);
  return TRUE;
}

LRESULT HandleViewMessage(HWND view, ViewState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      return HandleSetText(view, state, lParam);
    case WM_PAINT:
      Paint(view, state);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_TIMER:
      if (wParam == kRepaintTimer) RepaintNow(view, state);
      return 0;
    case WM_VSCROLL:
      HandleScroll(view, state, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
      const auto count = static_cast<long long>(state.transcript.Lines().size());
      ScrollTo(view, state,
               count - 1 - static_cast<long long>(state.skipNewest) - notches * kWheelLines);
      return 0;
    }
    case WM_LBUTTONDOWN:
      SetFocus(view);  // so the wheel reaches the view
      return 0;
    case WM_GETTEXTLENGTH:
      SetPropW(view, kLengthQuestionsProperty, reinterpret_cast<HANDLE>(++state.lengthQuestions));
      return DefWindowProcA(view, message, wParam, lParam);
    default:
      return DefWindowProcA(view, message, wParam, lParam);
  }
}

LRESULT CALLBACK TranscriptViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded(0, [&]() -> LRESULT {
    if (message == WM_NCCREATE) {
      const auto* maxLines = CreationParameter<const std::size_t>(lParam);
      auto state = std::make_unique<ViewState>(maxLines ? *maxLines : kDefaultMaxLines);
      if (!state->fonts.Valid()) return FALSE;
      AttachState(view, std::move(state));
    } else if (message == WM_NCDESTROY) {
      RemovePropW(view, kLengthQuestionsProperty);
      DetachState<ViewState>(view);
    } else if (ViewState* state = StateOf<ViewState>(view)) {
      return HandleViewMessage(view, *state, message, wParam, lParam);
    }
    return DefWindowProcA(view, message, wParam, lParam);
  });
}

}  // namespace

bool RegisterTranscriptViewClass(HINSTANCE instance) {
  return RegisterClassNamed(instance, kTranscriptClass, TranscriptViewProc);
}

HWND CreateTranscriptView(HWND parent, int id, std::size_t maxLines) {
  return CreateChild(parent, kTranscriptClass, "", WS_VSCROLL | WS_BORDER, id, &maxLines);
}

void AppendChatLine(HWND view, std::string_view name, std::string_view html) {
  ViewState* state = StateOf<ViewState>(view);
  if (state == nullptr) return;
  state->transcript.Append(name, html);
  state->skipNewest = 0;  // a new line brings the view back to the newest
  Refresh(view, *state);
}

void SetTranscriptLimit(HWND view, std::size_t maxLines) {
  ViewState* state = StateOf<ViewState>(view);
  if (state == nullptr) return;
  state->transcript.SetMaxLines(maxLines);
  Refresh(view, *state);
}

}  // namespace sonorix::aolsim
