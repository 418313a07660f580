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
#include "testutil.h"
#include "wine/aolsim_process.h"
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
  std::atomic<int> boxesAnswered{0};

 private:
  HWND AwaitDialog(bool picker) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
          if (stop_) return true;
          found = FindWindowW(L"#32770", nullptr);
          const bool isPicker = found && FindWindowExW(found, nullptr, L"SysTreeView32", nullptr);
          return found && IsWindowVisible(found) && isPicker == picker;
        },
        30s);
    return stop_ ? nullptr : found;
  }

  void Drive() {
    if (HWND welcome = AwaitDialog(false)) Answer(welcome, IDOK);
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
      char text[512] = {};
      GetDlgItemTextA(confirm, 0xFFFF, text, sizeof text);
      confirmation = text;
      Answer(confirm, IDOK);
    }
  }

  void Answer(HWND dialog, int button) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
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

std::string ReadMainOf(const ProgramFolder& folder, const std::string& key) {
  ProfileStore store;
  return Settings(store, folder.Path()).ReadMain(key);
}

class FirstRunTest : public ::testing::Test {
 protected:
  std::string ReadMain(const std::string& key) { return ReadMainOf(folder_, key); }

  AolSimProcess client_{"--name Dorvin --room Lobby"};
  ProgramFolder folder_;
};

TEST_F(FirstRunTest, PickedFolderIsStoredAndItsSongsCounted) {
  // The picker can be steered to the desktop's own folders, not deeper.
  const DesktopMusic desktop(
      "first run music", {{"cbr128.mp3", "a.mp3"}, {"mono.mp3", "b.mp3"}, {"vbr.mp3", "c.MP3"}});
  const std::string& music = desktop.Path();
  DialogDriver driver(Utf8ToWide(music));
  SonorixApp app(folder_.Path());
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(driver.boxesAnswered, 3);
  EXPECT_EQ(ReadMain("mp3 dir"), music);
  EXPECT_EQ(ReadMain("preset"), "default");
  EXPECT_EQ(ReadMain("style"), "sonorix");
  EXPECT_EQ(driver.confirmation,
            "Thank you, your music directory was set\r\n\r\nSaved directory : " + music +
                "\r\n\r\nSong's found : 3");
  EXPECT_EQ(app.Player()->File1().Count(), 3);
  EXPECT_TRUE(WaitUntil([&] { return client_.SentLines().size() == 2; }, 10s,
                        [] { PumpPendingMessages(); }));
}

// Neither folder's letters are in the system's code page: both must come
// back from the settings, or every start is a first start.
TEST_F(FirstRunTest, FoldersInOtherScriptsMakeTheNextStartAnOrdinaryOne) {
  const ProgramFolder program("", "Программы 音楽 ");
  const DesktopMusic desktop("Музыка 音楽", {{"cbr128.mp3", "a.mp3"}, {"mono.mp3", "b.mp3"}});
  {
    DialogDriver driver(Utf8ToWide(desktop.Path()));
    SonorixApp app(program.Path());
    ASSERT_TRUE(app.Start());
    ASSERT_EQ(driver.boxesAnswered, 3);
  }
  ASSERT_EQ(ReadMainOf(program, "mp3 dir"), desktop.Path());
  DialogDriver none(L"");  // answers a first start's boxes, should any come
  SonorixApp app(program.Path());
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(none.boxesAnswered, 0);
  EXPECT_EQ(app.Player()->File1().Count(), 2);
}

TEST_F(FirstRunTest, CancelledPickerStoresTheEmptyFolder) {
  DialogDriver driver(L"");
  SonorixApp app(folder_.Path());
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(driver.boxesAnswered, 3);
  EXPECT_EQ(ReadMain("mp3 dir"), "");
  EXPECT_EQ(driver.confirmation,
            "Thank you, your music directory was set\r\n\r\nSaved directory : \r\n\r\n"
            "Song's found : 0");
  EXPECT_EQ(app.Player()->File1().Count(), 0);
}

}  // namespace
}  // namespace sonorix
