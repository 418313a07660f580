#include "aolsim/frame_window.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "aolsim/code_page.h"
#include "aolsim/file_io.h"
#include "aolsim/frame_commands.h"
#include "aolsim/menu_quirks.h"
#include "aolsim/toolbar.h"
#include "aolsim/toolbar_actions.h"
#include "aolsim/window_classes.h"
#include "aolsim/window_support.h"

namespace sonorix::aolsim {

namespace {

constexpr UINT_PTR kScriptTimer = 1;
constexpr UINT kFirstDocumentId = 50000;
// Far beyond any chat line; keeps a stray message from costing much memory.
constexpr DWORD kMaxCommandBytes = 1 << 20;

struct FrameState {
  explicit FrameState(Session session) : session(std::move(session)) {}

  Session session;
  HWND mdiClient = nullptr;
  HWND toolbar = nullptr;
  std::vector<Command> script;
  std::size_t nextStep = 0;
};

// The command in a control message, without the trailing NULs a sender may
// add; nullopt for anything that is not a control message.
std::optional<std::string> CommandText(const COPYDATASTRUCT* data) {
  if (data == nullptr || data->dwData != kCommandTag || data->cbData > kMaxCommandBytes) {
    return std::nullopt;
  }
  if (data->cbData == 0) return std::string();
  if (data->lpData == nullptr) return std::nullopt;
  std::string text(static_cast<const char*>(data->lpData), data->cbData);
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

LRESULT HandleCopyData(HWND frame, FrameState& state, LPARAM lParam) {
  const auto text = CommandText(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
  const auto command = text ? ParseCommand(*text) : std::nullopt;
  return command && ExecuteCommand(frame, state.mdiClient, state.session, *command) ? 1 : 0;
}

void RunScriptSteps(HWND frame, FrameState& state) {
  KillTimer(frame, kScriptTimer);
  while (state.nextStep < state.script.size()) {
    const Command& command = state.script[state.nextStep++];
    if (const auto* wait = std::get_if<Wait>(&command)) {
      SetTimer(frame, kScriptTimer, static_cast<UINT>(wait->delay.count()), nullptr);
      return;
    }
    if (!ExecuteCommand(frame, state.mdiClient, state.session, command)) {
      ReportError("aolsim: script command " + std::to_string(state.nextStep) + " was not done");
    }
  }
}

bool CreateMdiClient(HWND frame, FrameState& state) {
  CLIENTCREATESTRUCT client{};
  client.idFirstChild = kFirstDocumentId;
  state.mdiClient =
      CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                      WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                      frame, nullptr, GetModuleHandleA(nullptr), &client);
  return state.mdiClient != nullptr;
}

// A private room keyword enters the room unless the service refuses its
// name; any other keyword opens its page.
void OpenKeyword(HWND frame, FrameState& state) {
  const std::string keyword = TakeKeyword(state.toolbar);
  const std::string_view prefix = kPrivateRoomKeyword;
  if (keyword.rfind(prefix, 0) != 0) {
    OpenDocument(state.mdiClient, "Keyword: " + keyword, MakeKeywordPage());
    return;
  }
  const std::string room = keyword.substr(prefix.size());
  if (const auto refusal = RoomRefusal(room)) {
    ShowAnswer(frame, state.session, *refusal);
    return;
  }
  ExecuteCommand(frame, state.mdiClient, state.session, OpenRoom{AnsiToUtf8(room)});
}

void LayOut(FrameState& state, int width, int height) {
  MoveWindow(state.toolbar, 0, 0, width, kToolbarHeight, TRUE);
  MoveWindow(state.mdiClient, 0, kToolbarHeight, width, std::max(height - kToolbarHeight, 0), TRUE);
}

LRESULT HandleFrameMessage(HWND frame, FrameState& state, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      state.toolbar = CreateToolbar(frame);
      return state.toolbar && CreateMdiClient(frame, state) ? 0 : -1;
    case WM_SIZE:
      LayOut(state, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case kOpenKeyword:
      OpenKeyword(frame, state);
      return 0;
    case kImsSwitched:
      OnImsSwitched(frame, state.toolbar, state.session, wParam != 0);
      return 0;
    case WM_COMMAND:
      if (const int icon = LOWORD(wParam) - kFirstToolbarIconId;
          icon >= 0 && icon < kToolbarIconCount) {
        OnToolbarIcon(frame, state.mdiClient, state.session, reinterpret_cast<HWND>(lParam), icon);
        return 0;
      }
      break;
    case WM_COPYDATA:
      return HandleCopyData(frame, state, lParam);
    case WM_ENTERIDLE:
      if (wParam == MSGF_MENU) ArrangeMenus(state.session);
      break;
    case WM_TIMER:
      if (wParam != kScriptTimer) break;
      RunScriptSteps(frame, state);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefFrameProcA(frame, state.mdiClient, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded(message == WM_CREATE ? -1 : 0, [&]() -> LRESULT {
    if (message == WM_NCCREATE) {
      auto* state = CreationParameter<std::unique_ptr<FrameState>>(lParam);
      if (state == nullptr || !*state) return FALSE;
      AttachState(frame, std::move(*state));
    } else if (message == WM_NCDESTROY) {
      DetachState<FrameState>(frame);
    } else if (FrameState* state = StateOf<FrameState>(frame)) {
      return HandleFrameMessage(frame, *state, message, wParam, lParam);
    }
    return DefFrameProcA(frame, nullptr, message, wParam, lParam);
  });
}

}  // namespace

bool RegisterFrameClass(HINSTANCE instance) {
  return RegisterClassNamed(instance, kFrameClass, FrameProc, 0,
                            reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
}

HWND CreateFrame(HINSTANCE instance, Session session) {
  auto state = std::make_unique<FrameState>(std::move(session));
  return CreateWindowExA(0, kFrameClass, kFrameCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         CW_USEDEFAULT, CW_USEDEFAULT, 960, 720, nullptr, nullptr, instance,
                         &state);
}

HWND MdiClientOf(HWND frame) {
  const FrameState* state = StateOf<FrameState>(frame);
  return state ? state->mdiClient : nullptr;
}

bool RunFrameCommand(HWND frame, const Command& command) {
  FrameState* state = StateOf<FrameState>(frame);
  return state && ExecuteCommand(frame, state->mdiClient, state->session, command);
}

void StartScript(HWND frame, std::vector<Command> commands) {
  FrameState* state = StateOf<FrameState>(frame);
  if (state == nullptr || commands.empty()) return;
  state->script = std::move(commands);
  state->nextStep = 0;
  // From the message loop, once the windows are up; never from here.
  SetTimer(frame, kScriptTimer, 0, nullptr);
}

}  // namespace sonorix::aolsim
