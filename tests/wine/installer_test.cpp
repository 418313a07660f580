// The setup program as a user meets it, in a fresh Wine prefix made by
// installer_test.sh: the suites run in the order install, run, upgrade,
// uninstall, install beside the user's own files.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "chattext/program_lines.h"
#include "core/settings.h"
#include "core/win32/code_page.h"
#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/installed_program.h"
#include "wine/program_folder.h"

namespace sonorix::testing {
namespace {

using namespace std::chrono_literals;

std::string Resource(HMODULE module, LPCSTR type) {
  const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), type);
  if (found == nullptr) return {};
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
  return std::string(bytes, SizeofResource(module, found));
}

// The pixel widths of the icon group's pictures (0 stands for 256).
std::vector<int> IconWidths(const std::string& group) {
  std::vector<int> widths;
  constexpr std::size_t kHeader = 6, kEntry = 14;
  for (std::size_t at = kHeader; at + kEntry <= group.size(); at += kEntry) {
    widths.push_back(static_cast<unsigned char>(group[at]));
  }
  return widths;
}

std::wstring VersionText(const std::wstring& exe, const wchar_t* name) {
  std::vector<char> block(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
  if (block.empty() ||
      !GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
    return L"";
  wchar_t* text = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
    return L"";
  return std::wstring(text, length > 0 ? length - 1 : 0);
}

std::string IniText(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
  wchar_t text[256] = {};
  GetPrivateProfileStringW(section, key, L"", text, 256, file.c_str());
  return WideToUtf8(text);
}

// The style the setup program installs, as the program reads it.
Style InstalledStyle() {
  const std::wstring file = InstallFolder() + L"\\styles\\sonorix.ini";
  return Style{"sonorix", IniText(file, L"styles", L"style"), IniText(file, L"styles", L"acolor"),
               IniText(file, L"styles", L"ascii"), IniText(file, L"styles", L"fcolor")};
}

TEST(Setup, InstallsSilentlyForTheUserWithAStartMenuEntryAndAnUninstaller) {
  ASSERT_TRUE(Exists(SetupProgram())) << "make installer builds it";
  ASSERT_EQ(RunToEnd(SetupProgram(), L"/S"), 0u);
  const std::wstring folder = InstallFolder();
  for (const wchar_t* file : {L"\\Sonorix.exe", L"\\Uninstall.exe", L"\\presets\\default.ini",
                              L"\\styles\\sonorix.ini", L"\\ini files", L"\\tools\\aolsim.exe"}) {
    EXPECT_TRUE(Exists(folder + file)) << WideToUtf8(file);
  }
  EXPECT_TRUE(Exists(StartMenuFolder() + L"\\Sonorix.lnk"));
  EXPECT_TRUE(Exists(StartMenuFolder() + L"\\Stand-in chat client.lnk"));
  EXPECT_EQ(UninstallEntry(L"DisplayName"), L"Sonorix");
  EXPECT_EQ(UninstallEntry(L"DisplayVersion"), Utf8ToWide(SONORIX_VERSION_TEXT));
  EXPECT_EQ(UninstallEntry(L"UninstallString"), L"\"" + folder + L"\\Uninstall.exe\"");
}

TEST(Setup, InstalledExeCarriesItsManifestIconAndVersion) {
  const std::wstring exe = InstallFolder() + L"\\Sonorix.exe";
  const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  const std::string manifest = Resource(module, RT_MANIFEST);
  for (const char* part : {R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
                           R"(level="asInvoker")", ">PerMonitorV2, PerMonitor<", ">true/pm<",
                           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",     // Windows 7
                           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {  // Windows 10 and 11
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
  const std::vector<int> widths = IconWidths(Resource(module, RT_GROUP_ICON));
  for (const int width : {16, 32, 48}) {
    EXPECT_NE(std::find(widths.begin(), widths.end(), width), widths.end()) << width;
  }
  FreeLibrary(module);
  EXPECT_EQ(VersionText(exe, L"ProductName"), L"Sonorix");
  EXPECT_EQ(VersionText(exe, L"ProductVersion"), Utf8ToWide(SONORIX_VERSION_TEXT));
  EXPECT_FALSE(VersionText(exe, L"FileDescription").empty());
}

TEST(Setup, InstalledProgramAnnouncesItselfInTheRoomAndSaysGoodbye) {
  AolSimProcess client("--name Dorvin --room Lobby");
  ASSERT_TRUE(client.Started());
  InstalledSonorix sonorix(MakeMusicFolder({{"cbr128.mp3", "one.mp3"}}));
  ASSERT_TRUE(WaitUntil([&] { return client.SentLines().size() >= 2; }, 60s));
  const Style style = InstalledStyle();
  EXPECT_EQ(client.SentLines()[0], Utf8ToAnsi(StartupBanner(style)));
  EXPECT_EQ(client.SentLines()[1], Utf8ToAnsi(SummaryLine(style, 1, "default", "sonorix")));

  const HWND player = InstalledSonorix::WaitForWindow(L"Sonorix Player", L"Sonorix");
  ASSERT_NE(player, nullptr);
  PostMessageW(FindWindowExW(player, nullptr, L"Button", L"&close"), BM_CLICK, 0, 0);
  DWORD exitCode = 1;
  EXPECT_TRUE(sonorix.process.Ended(30s, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  const auto lines = client.SentLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], Utf8ToAnsi(ClosingBanner(style)));
  EXPECT_EQ(lines[3], lines[1]) << "the summary closes the run";
}

TEST(Setup, AnUpgradeKeepsTheUsersSettingsPresetsAndStyles) {
  const std::wstring folder = InstallFolder();
  const std::string changedDefault = "[preset]\r\nNAME=default\r\nFADE1=255\r\nFADE2=0\r\n";
  WriteBytes(folder + L"\\presets\\default.ini", changedDefault);
  WriteBytes(folder + L"\\presets\\mine.ini", "[preset]\r\nNAME=mine\r\n");
  WriteBytes(folder + L"\\styles\\mine.ini", "[styles]\r\nSTYLE=mine\r\n");
  const std::string settings = ReadBytes(folder + L"\\ini files\\sonorix.ini");
  ASSERT_FALSE(settings.empty());

  ASSERT_EQ(RunToEnd(SetupProgram(), L"/S"), 0u);
  EXPECT_EQ(ReadBytes(folder + L"\\presets\\default.ini"), changedDefault);
  EXPECT_EQ(ReadBytes(folder + L"\\presets\\mine.ini"), "[preset]\r\nNAME=mine\r\n");
  EXPECT_EQ(ReadBytes(folder + L"\\styles\\mine.ini"), "[styles]\r\nSTYLE=mine\r\n");
  EXPECT_EQ(ReadBytes(folder + L"\\ini files\\sonorix.ini"), settings);
  EXPECT_TRUE(Exists(folder + L"\\Sonorix.exe"));
}

// The uninstaller runs on as a copy of itself in the temporary folder:
// its work is done when it has removed its own file.
void Uninstall(const std::wstring& arguments, const std::wstring& folder = InstallFolder()) {
  const std::wstring uninstaller = folder + L"\\Uninstall.exe";
  ASSERT_EQ(RunToEnd(uninstaller, arguments), 0u);
  ASSERT_TRUE(WaitUntil([&] { return !Exists(uninstaller); }, 60s));
}

// Files of the user's own, some in folders named as ours and some beside
// them; .inix would match *.ini through its short name.
const std::vector<std::pair<std::wstring, std::string>> kUsersOwnFiles = {
    {L"\\presets\\portrait.txt", "portrait"},
    {L"\\styles\\thesis.css", "body { margin: 0 }"},
    {L"\\styles\\thesis.inix", "[thesis]"},
    {L"\\ini files\\other.ini", "[other]\r\nKEY=1\r\n"},
    {L"\\notes.txt", "notes"}};

void WriteUsersOwnFiles(const std::wstring& folder) {
  for (const auto& [file, bytes] : kUsersOwnFiles) {
    std::filesystem::create_directories(std::filesystem::path(folder + file).parent_path());
    WriteBytes(folder + file, bytes);
  }
}

void ExpectUsersOwnFiles(const std::wstring& folder) {
  for (const auto& [file, bytes] : kUsersOwnFiles) {
    EXPECT_EQ(ReadBytes(folder + file), bytes) << WideToUtf8(file);
  }
}

TEST(Uninstaller, SilentlyRemovesTheProgramAndKeepsTheUsersData) {
  const std::wstring folder = InstallFolder();
  Uninstall(L"/S");
  for (const wchar_t* file : {L"\\Sonorix.exe", L"\\tools"}) {
    EXPECT_FALSE(Exists(folder + file)) << WideToUtf8(file);
  }
  EXPECT_FALSE(Exists(StartMenuFolder()));
  EXPECT_EQ(UninstallEntry(L"DisplayName"), L"");
  for (const wchar_t* file :
       {L"\\ini files\\sonorix.ini", L"\\presets\\default.ini", L"\\presets\\mine.ini",
        L"\\styles\\sonorix.ini", L"\\styles\\mine.ini"}) {
    EXPECT_TRUE(Exists(folder + file)) << WideToUtf8(file);
  }
}

TEST(Uninstaller, RemovesTheUsersDataOnlyWhenToldTo) {
  ASSERT_EQ(RunToEnd(SetupProgram(), L"/S"), 0u);
  EXPECT_TRUE(Exists(InstallFolder() + L"\\presets\\mine.ini")) << "a new install keeps them too";
  Uninstall(L"/S /REMOVEUSERDATA");
  EXPECT_TRUE(WaitUntil([] { return !Exists(InstallFolder()); }, 30s));
}

TEST(Uninstaller, RemovesOnlyWhatItKnowsAndTheFoldersItLeavesEmpty) {
  ASSERT_EQ(RunToEnd(SetupProgram(), L"/S"), 0u);
  const std::wstring folder = InstallFolder();
  WriteBytes(folder + L"\\ini files\\sonorix.ini", "[Sonorix]\r\n");
  WriteUsersOwnFiles(folder);
  Uninstall(L"/S /REMOVEUSERDATA");
  ExpectUsersOwnFiles(folder);
  for (const wchar_t* file : {L"\\Sonorix.exe", L"\\tools", L"\\ini files\\sonorix.ini",
                              L"\\presets\\default.ini", L"\\styles\\sonorix.ini"}) {
    EXPECT_FALSE(Exists(folder + file)) << WideToUtf8(file);
  }
  // The uninstaller's copy may still be ending, holding the folder open.
  EXPECT_TRUE(WaitUntil(
      [&] {
        std::error_code busy;
        std::filesystem::remove_all(std::filesystem::path(folder), busy);
        return !busy;
      },
      30s));
}

// A folder the user shares with other files gets a Sonorix folder of its own,
// and neither the install nor the uninstall touches the user's files.
TEST(SharedFolder, SetupInstallsIntoASonorixFolderInsideIt) {
  const std::wstring shared = Utf8ToWide(MakeTempFolder("shared files "));
  WriteUsersOwnFiles(shared);
  ASSERT_EQ(RunToEnd(SetupProgram(), L"/S /D=" + shared), 0u);
  const std::wstring folder = shared + L"\\Sonorix";
  EXPECT_TRUE(Exists(folder + L"\\Sonorix.exe"));
  EXPECT_FALSE(Exists(shared + L"\\Sonorix.exe"));
  EXPECT_EQ(UninstallEntry(L"InstallLocation"), folder);

  Uninstall(L"/S /REMOVEUSERDATA", folder);
  ExpectUsersOwnFiles(shared);
  EXPECT_TRUE(WaitUntil([&] { return !Exists(folder); }, 30s));
}

}  // namespace
}  // namespace sonorix::testing
