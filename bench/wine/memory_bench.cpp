// Where the program's resident memory goes, stage by stage in one fresh
// process: what Wine takes before a window opens, the windows and fonts,
// the common controls, what Wine keeps of a folder's listing, the names and
// what sorting them needed, the rest of the program, and playing a song.
// Stages measure what each adds to the working set; the names' own bytes
// are counted directly, since the heap may hold freed pages beside them.
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <string>

#include "app/win32/sonorix_app.h"
#include "core/win32/code_page.h"
#include "core/win32/message_pump.h"
#include "player/win32/song_list_box.h"
#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/bench_report.h"
#include "wine/listing_floor.h"
#include "wine/program_folder.h"
#include "wine/program_process.h"

namespace sonorix::bench {

namespace {

using namespace std::chrono_literals;

constexpr double kMiB = 1048576.0;

class Stages {
 public:
  explicit Stages(std::string what) : what_(std::move(what)) {
    Report(what_ + ": the process under Wine before a window opens", last_, "MiB");
  }
  void Next(const std::string& stage) {
    const double now = ResidentMiB(GetCurrentProcess());
    Report(what_ + ": " + stage, now - last_, "MiB");
    last_ = now;
  }
  void Counted(const std::string& part, double bytes) const {
    Report(what_ + ":   of it, " + part + " (counted)", bytes / kMiB, "MiB");
  }
  void Total() const { Report(what_ + ": in all", last_, "MiB"); }

 private:
  std::string what_;
  double last_ = ResidentMiB(GetCurrentProcess());
};

// What every window of the program needs first: a top-level window drawn
// with text in a font, which loads the display driver and the fonts.
HWND DrawnWindow() {
  const HWND window = CreateWindowExW(0, L"STATIC", L"text", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                      200, 100, nullptr, nullptr, nullptr, nullptr);
  const HDC dc = GetDC(window);
  const HFONT font =
      CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
  const HGDIOBJ old = SelectObject(dc, font);
  TextOutW(dc, 0, 0, L"text", 4);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(window, dc);
  PumpPendingMessages();
  return window;
}

HWND Tooltip(HWND owner) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  return CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, owner, nullptr, nullptr,
                         nullptr);
}

// Bytes of the case-blind sort keys of the names, with a start for each:
// what the sort holds at its peak beside the names.
double SortKeyBytes(const SongNames& names) {
  char key[16 * MAX_PATH];
  double bytes = 0;
  for (int i = 0; i < names.Count(); ++i) {
    const std::wstring name = Utf8ToWide(names.Name(i));
    bytes += LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name.c_str(), -1,
                          reinterpret_cast<wchar_t*>(key), sizeof key) +
             sizeof(std::uint32_t);
  }
  return bytes;
}

}  // namespace

void RunMemoryBench(const std::string& music) {
  const bool small = music.empty();
  const std::string folder = small ? SmallMusicFolder() : music;
  Stages stages(small ? "6 songs" : "100,000 songs");
  testing::AolSimProcess client("--name Dorvin --room Lobby");
  const HWND window = DrawnWindow();
  stages.Next("a window, its display driver and fonts");
  Tooltip(window);
  stages.Next("the common controls (a tooltip)");
  CountFolderEntries(folder);
  stages.Next("the folder's entries once read, as Wine keeps them");
  {
    const SongNames names = ListMp3Files(folder);
    stages.Next("the names, listed and sorted");
    stages.Counted("the names", static_cast<double>(names.NameBytes()));
    stages.Counted("the sort keys while sorting", SortKeyBytes(names));
  }
  stages.Next("the names dropped again");
  DestroyWindow(window);
  const testing::ProgramFolder programFolder(folder);
  SonorixApp app(programFolder.Path());
  app.Start(SonorixApp::Splash::Skip);
  testing::WaitUntil([&] { return client.SentLines().size() >= 2; }, 60s,
                     [] { PumpPendingMessages(); });
  PumpedCpuShare(2s);
  stages.Next("the program started: its windows, threads, chat-scan, names");
  client.Command("type p zz real tune");
  testing::WaitUntil([&] { return client.SentLines().size() >= 3; }, 60s,
                     [] { PumpPendingMessages(); });
  PumpedCpuShare(2s);
  stages.Next("playing a song: audio buffers and decoding");
  stages.Total();
}

}  // namespace sonorix::bench
