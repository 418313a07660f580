#include "look/win32/look_helpers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/dialogs.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using testing::AnswerColourPicker;
using testing::MakeTempFolder;
using testing::WaitUntil;

TEST(FileExists, FindsFilesButNotFoldersOrUnmatchedWildcards) {
  const std::string folder = MakeTempFolder("look-");
  std::ofstream(folder + "\\night.ini") << "[preset]\r\n";
  EXPECT_TRUE(FileExists(folder + "\\night.ini"));
  EXPECT_TRUE(FileExists(folder + "\\NIGHT.INI"));
  EXPECT_FALSE(FileExists(folder + "\\day.ini"));
  EXPECT_FALSE(FileExists(folder + "\\d?y*.ini"));
  EXPECT_FALSE(FileExists(folder));
  EXPECT_FALSE(FileExists(folder + "\\missing\\x.ini"));
  EXPECT_FALSE(FileExists(""));
}

TEST(DeleteIfExists, DeletesOnlyWhatIsThereAndNeverComplains) {
  const std::string folder = MakeTempFolder("look-");
  std::ofstream(folder + "\\old.ini") << "x";
  DeleteIfExists(folder + "\\old.ini");
  EXPECT_FALSE(FileExists(folder + "\\old.ini"));
  DeleteIfExists(folder + "\\old.ini");
  DeleteIfExists(folder);
  EXPECT_EQ(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

// The dialog's library brings the printing system along: a run that never
// opens the dialog must not pay for it.
TEST(ColourDialog, LoadsItsLibraryOnlyWhenOpened) {
  EXPECT_EQ(GetModuleHandleW(L"comdlg32.dll"), nullptr);
  bool loadedWhileOpen = false;
  std::thread cancel([&] {
    loadedWhileOpen = WaitUntil([] { return GetModuleHandleW(L"comdlg32.dll") != nullptr; }, 10s);
    AnswerColourPicker(IDCANCEL);
  });
  ColourDialog(Colour::FromRgb(1, 2, 3)).Show(nullptr);
  cancel.join();
  EXPECT_TRUE(loadedWhileOpen);
}

// Cancel is no colour; the next opening starts from the last colour taken.
TEST(ColourDialog, CancelGivesNoColourAndOkTakesTheNewOne) {
  ColourDialog dialog(Colour::FromRgb(1, 2, 3));
  std::thread cancel([] { AnswerColourPicker(IDCANCEL); });
  EXPECT_EQ(dialog.Show(nullptr), std::nullopt);
  cancel.join();
  EXPECT_EQ(dialog.Current(), Colour::FromRgb(1, 2, 3));

  std::thread pick([] { AnswerColourPicker(IDOK, RGB(255, 128, 0)); });
  EXPECT_EQ(dialog.Show(nullptr), Colour::FromRgb(255, 128, 0));
  pick.join();

  std::thread again([] { AnswerColourPicker(IDCANCEL); });
  EXPECT_EQ(dialog.Show(nullptr), std::nullopt);
  again.join();
  EXPECT_EQ(dialog.Current(), Colour::FromRgb(255, 128, 0));
}

}  // namespace
}  // namespace sonorix
