// aolsim: a stand-in chat client with the windows other programs drive.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aolsim/client_windows.h"
#include "aolsim/commands.h"
#include "aolsim/document_window.h"
#include "aolsim/file_io.h"
#include "aolsim/frame_window.h"
#include "aolsim/input_box.h"
#include "aolsim/options.h"
#include "aolsim/small_controls.h"
#include "aolsim/toolbar.h"
#include "aolsim/transcript_view.h"
#include "aolsim/window_classes.h"

namespace sonorix::aolsim {

namespace {

constexpr int kUsageError = 2;
// Long enough for a slow Wine start, short enough that a hung client does not
// hang its driver.
constexpr UINT kSendTimeoutMs = 30000;

struct LocalFreer {
  void operator()(LPWSTR* pointer) const noexcept { LocalFree(pointer); }
};

// The arguments as UTF-8, without the program's name.
std::vector<std::string> CommandLineArguments() {
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreer> arguments(
      CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> result;
  for (int i = 1; arguments && i < count; ++i) result.push_back(Utf8FromWide(arguments.get()[i]));
  return result;
}

// Exit code 0 if the running client did the command.
int SendToRunningClient(const std::string& command) {
  const HWND frame = FindWindowA(kFrameClass, nullptr);
  if (frame == nullptr) {
    ReportError("aolsim: no client is running");
    return 1;
  }
  COPYDATASTRUCT data{};
  data.dwData = kCommandTag;
  data.cbData = static_cast<DWORD>(command.size());
  data.lpData = const_cast<char*>(command.data());
  DWORD_PTR result = 0;
  const LRESULT sent = SendMessageTimeoutA(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return sent != 0 && result == 1 ? 0 : 1;
}

bool RegisterClasses(HINSTANCE instance) {
  return RegisterFrameClass(instance) && RegisterDocumentClass(instance) &&
         RegisterTranscriptViewClass(instance) && RegisterInputBoxClass(instance) &&
         RegisterSmallControlClasses(instance) && RegisterToolbarClasses(instance) &&
         RegisterClientWindowClasses(instance);
}

// The script, checked whole before anything starts; nullopt after reporting why not.
std::optional<std::vector<Command>> LoadScript(const std::optional<std::string>& path) {
  if (!path) return std::vector<Command>{};
  const auto text = ReadWholeFile(*path);
  if (!text) {
    ReportError("aolsim: cannot read the script " + *path);
    return std::nullopt;
  }
  Script script = ParseScript(*text);
  if (script.badLine) {
    ReportError("aolsim: " + *path + " line " + std::to_string(*script.badLine) +
                " is not a command");
    return std::nullopt;
  }
  return std::move(script.commands);
}

// The welcome window first, so the rooms lie above it, the last on top.
bool OpenStartingDocuments(HWND frame, const Options& options) {
  if (options.name && !RunFrameCommand(frame, SignOn{*options.name})) return false;
  for (const std::string& room : options.rooms) {
    if (!RunFrameCommand(frame, OpenRoom{room})) return false;
  }
  return true;
}

int MessageLoop(HWND frame) {
  const HWND mdiClient = MdiClientOf(frame);
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!TranslateMDISysAccel(mdiClient, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

int Run(HINSTANCE instance, int show) {
  const ParsedOptions parsed = ParseOptions(CommandLineArguments());
  if (!parsed.error.empty()) {
    ReportError("aolsim: " + parsed.error + "\n" + kUsage);
    return kUsageError;
  }
  const Options& options = parsed.options;
  if (options.send) return SendToRunningClient(*options.send);
  auto script = LoadScript(options.scriptPath);
  if (!script) return kUsageError;
  if (!RegisterClasses(instance)) return 1;

  Session session;
  session.logPath = options.logPath;
  session.maxLines = options.maxLines;
  const HWND frame = CreateFrame(instance, std::move(session));
  if (frame == nullptr) return 1;
  ShowWindow(frame, show);
  UpdateWindow(frame);
  if (!OpenStartingDocuments(frame, options)) {
    DestroyWindow(frame);
    return 1;
  }
  StartScript(frame, std::move(*script));
  return MessageLoop(frame);
}

}  // namespace

}  // namespace sonorix::aolsim

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  try {
    return sonorix::aolsim::Run(instance, show);
  } catch (...) {
    sonorix::aolsim::ReportError("aolsim: stopped by an unexpected error");
    return 1;
  }
}
