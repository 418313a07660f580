#include <gtest/gtest.h>

#include <shlobj.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>
#include <vector>

#include <commctrl.h>

#include "app/win32/sonorix_app.h"
#include "core/settings.h"
#include "core/win32/code_page.h"
#include "core/win32/message_pump.h"
#include "core/win32/profile_store.h"
#include "player/player_load.h"
#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/dialogs.h"
#include "wine/program_folder.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

// Answers the first start's three dialogs from a second thread, as a user
// would: OK on the welcome box, a folder (or Cancel) in the picker, OK on
// the confirmation, whose text it keeps.
class DialogDriver {
 public:
  explicit DialogDriver(std::wstring folder) : folder_(std::move(folder)) {
    thread_ = std::thread([this] { Drive(); });
  }
  ~DialogDriver() {
    stop_ = true;
    thread_.join();
  }
  std::string confirmation;
  std::atomic<HWND> welcomeOwner{nullptr};
  std::atomic<int> boxesAnswered{0};

 private:
  HWND AwaitDialog(bool picker) {
    return WaitForDialog([&](HWND dialog) { return IsPicker(dialog) == picker; },
                         [&] { return stop_.load(); });
  }
  static bool IsPicker(HWND dialog) {
    return FindWindowExW(dialog, nullptr, L"SysTreeView32", nullptr) != nullptr;
  }

  void Drive() {
    if (HWND welcome = AwaitDialog(false)) {
      welcomeOwner = GetWindow(welcome, GW_OWNER);
      Answer(welcome, IDOK);
    }
    if (HWND picker = AwaitDialog(true)) {
      if (!folder_.empty()) {
        // The tree fills itself after the dialog shows: select once it has.
        const HWND tree = FindWindowExW(picker, nullptr, L"SysTreeView32", nullptr);
        WaitUntil([&] { return SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != 0 || stop_; },
                  10s);
        SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder_.c_str()));
      }
      Answer(picker, folder_.empty() ? IDCANCEL : IDOK);
    }
    if (HWND confirm = AwaitDialog(false)) {
      confirmation = WideToUtf8(DialogText(confirm));
      Answer(confirm, IDOK);
    }
  }

  void Answer(HWND dialog, int button) {
    Press(dialog, button);
    WaitUntil([&] { return !IsWindow(dialog) || stop_; }, 10s);
    ++boxesAnswered;
  }

  std::wstring folder_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

std::string DesktopFolder() {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY | CSIDL_FLAG_CREATE, nullptr, 0, path);
  return path;
}

// A music folder on the desktop, of copies of the test MP3s.
class DesktopMusic {
 public:
  DesktopMusic(const std::string& name,
               const std::vector<std::pair<const char*, const char*>>& songs)
      : path_(DesktopFolder() + "\\" + name) {
    CreateDirectoryW(Utf8ToWide(path_).c_str(), nullptr);
    for (const auto& [source, song] : songs) {
      CopyFileW(Utf8ToWide(TestMp3(source)).c_str(), Utf8ToWide(path_ + "\\" + song).c_str(),
                FALSE);
    }
  }
  ~DesktopMusic() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(Utf8ToWide(path_)), ignored);
  }
  DesktopMusic(const DesktopMusic&) = delete;
  DesktopMusic& operator=(const DesktopMusic&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

class FirstRunTest : public ::testing::Test {
 protected:
  std::string ReadMain(const std::string& key) {
    ProfileStore store;
    return Settings(store, folder_.Path()).ReadMain(key);
  }

  AolSimProcess client_{"--name Dorvin --room Lobby"};
  // Its letters are not in the system's code page, as the music folder's:
  // both must come back from the settings, or every start is a first start.
  ProgramFolder folder_{"", "Программы 音楽 "};
};

// A cancelled picker stores nothing and says so, so the next start asks
// again; a picked folder is stored and counted, and the start after is an
// ordinary one. The boxes stand alone, with a taskbar button, as the
// player is not shown yet.
TEST_F(FirstRunTest, TheFolderPickedOnAFirstStartServesTheNextStart) {
  // The picker can be steered to the desktop's own folders, not deeper.
  const DesktopMusic desktop(
      "Музыка 音楽", {{"cbr128.mp3", "a.mp3"}, {"mono.mp3", "b.mp3"}, {"vbr.mp3", "c.MP3"}});
  const std::string kThanks = "Thank you, your music directory was set\r\n\r\nSaved directory : ";
  for (const std::string& music : {std::string(), desktop.Path()}) {
    DialogDriver driver(Utf8ToWide(music));
    SonorixApp app(folder_.Path());
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(driver.boxesAnswered, 3);
    EXPECT_EQ(driver.confirmation, music.empty() ? std::string(kNoMusicFolderSet)
                                                 : kThanks + music + "\r\n\r\nSong's found : 3");
    EXPECT_EQ(driver.welcomeOwner.load(), nullptr);
    EXPECT_EQ(app.Player()->Songs().Count(), music.empty() ? 0 : 3);
    EXPECT_EQ(ReadMain("mp3 dir"), music);
  }
  EXPECT_TRUE(WaitUntil([&] { return client_.SentLines().size() == 4; }, 10s,
                        [] { PumpPendingMessages(); }));
  EXPECT_EQ(ReadMain("preset"), "default");
  EXPECT_EQ(ReadMain("style"), "sonorix");

  DialogDriver none(L"");  // answers a first start's boxes, should any come
  SonorixApp app(folder_.Path());
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(none.boxesAnswered, 0);
  EXPECT_EQ(app.Player()->Songs().Count(), 3);
}

}  // namespace
}  // namespace sonorix
