#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "contract/settings_contract.h"
#include "core/win32/profile_store.h"

namespace sonorix::testing {

// The real store over a fresh folder on disk.
class ProfileStorePlace final : public StorePlace {
 public:
  SettingsStore& Store() override { return store_; }
  std::string PathTo(const std::string& relative) const override { return disk_.PathTo(relative); }
  // A folder the system cannot make shows as missing: the test decides.
  void MakeFolder(const std::string& relative) override {
    std::error_code ignored;
    std::filesystem::create_directories(disk_.Native(relative), ignored);
  }
  void PutFile(const std::string& relative, const std::string& bytes) override {
    disk_.WriteFileBytes(relative, bytes);
  }
  bool Exists(const std::string& relative) const override {
    std::error_code ignored;
    return std::filesystem::exists(disk_.Native(relative), ignored);
  }

 private:
  DiskFolder disk_;
  ProfileStore store_;
};

INSTANTIATE_TEST_SUITE_P(ProfileStore, SettingsContract,
                         ::testing::Values([] { return std::make_unique<ProfileStorePlace>(); }));

// The real files in a fresh folder.
class ProfileStoreFiles : public ::testing::Test, protected DiskFolder {
 protected:
  ProfileStore store_;
};

// A key keeps the spelling it was first written with; a rewritten value
// leaves nothing of the old one, and nothing is left beside the file.
TEST_F(ProfileStoreFiles, AWriteReplacesTheFileWholeAndKeepsTheKeysSpelling) {
  const auto file = PathTo("ini files\\sonorix.ini");
  WriteFileBytes("ini files/sonorix.ini", "[Sonorix]\r\npreset=default\r\n");
  EXPECT_TRUE(store_.Write("Sonorix", "MP3 DIR", "D:\\music", file));
  EXPECT_TRUE(store_.Write("Sonorix", "PRESET", "night", file));
  EXPECT_EQ(ReadFileBytes("ini files/sonorix.ini"),
            "[Sonorix]\r\npreset=night\r\nMP3 DIR=D:\\music\r\n");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "ini files"))
    names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"sonorix.ini"});
}

// This suite runs once under each of these system code pages (see the
// test list): a folder name in the code page's own letters, the bytes a
// file of that system holds for it, and a name the code page lacks.
struct CodePageNames {
  unsigned codePage;
  const char* fits;
  const char* fitsBytes;
  const char* lacks;
};
constexpr CodePageNames kCodePages[] = {
    {1252, "D:\\Björk", "D:\\Bj\xF6rk", "D:\\Музыка 音楽"},
    {1251, "D:\\Музыка", "D:\\\xCC\xF3\xE7\xFB\xEA\xE0", "D:\\音楽"},
    {932, "D:\\音楽", "D:\\\x89\xB9\x8A\x79", "D:\\한국"},
};

// The code page the test list started this run under; 1252 unless it says.
unsigned ExpectedCodePage() {
  const char* wanted = std::getenv("SONORIX_EXPECT_ACP");
  return wanted != nullptr ? static_cast<unsigned>(std::atoi(wanted)) : 1252u;
}

using ProfileStoreCodePage = ProfileStoreFiles;

// Files written before hold names in the system's code page: they read the
// same, stay in it while every name fits, and keep every line when a name
// that does not fit turns them into UTF-16.
TEST_F(ProfileStoreCodePage, AFileWrittenBeforeReadsTheSameAndKeepsItsLines) {
  ASSERT_EQ(GetACP(), ExpectedCodePage()) << "the locale the test list asked for is missing";
  const CodePageNames* names = nullptr;
  for (const auto& candidate : kCodePages)
    names = candidate.codePage == GetACP() ? &candidate : names;
  ASSERT_NE(names, nullptr);
  WriteFileBytes("ini files/sonorix.ini",
                 std::string("[Sonorix]\r\nmp3 dir=") + names->fitsBytes + "\r\n");
  const auto file = PathTo("ini files\\sonorix.ini");
  EXPECT_EQ(store_.Read("Sonorix", "mp3 dir", file), names->fits);

  EXPECT_TRUE(store_.Write("Sonorix", "PRESET", names->fits, file));
  const std::string stillAnsi = ReadFileBytes("ini files/sonorix.ini");
  EXPECT_EQ(stillAnsi, std::string("[Sonorix]\r\nmp3 dir=") + names->fitsBytes +
                           "\r\nPRESET=" + names->fitsBytes + "\r\n");

  EXPECT_TRUE(store_.Write("Sonorix", "STYLE", names->lacks, file));
  EXPECT_EQ(ReadFileBytes("ini files/sonorix.ini").substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(store_.Read("Sonorix", "mp3 dir", file), names->fits);
  EXPECT_EQ(store_.Read("Sonorix", "preset", file), names->fits);
  EXPECT_EQ(store_.Read("Sonorix", "style", file), names->lacks);
}

// The files we ship read the same on every system code page, and a change
// keeps them so.
TEST_F(ProfileStoreCodePage, TheShippedPresetAndStyleReadTheSameOnEverySystem) {
  const std::filesystem::path data = std::filesystem::path(L"Z:") / SONORIX_DATA_DIR;
  for (const char* sub : {"presets", "styles"}) std::filesystem::create_directories(folder / sub);
  std::filesystem::copy_file(data / "presets" / "default.ini", folder / "presets" / "default.ini");
  std::filesystem::copy_file(data / "styles" / "sonorix.ini", folder / "styles" / "sonorix.ini");
  const auto style = PathTo("styles\\sonorix.ini");
  EXPECT_EQ(store_.Read("styles", "ascii", style), "»");
  EXPECT_EQ(store_.Read("styles", "style", style), "sonorix");
  EXPECT_EQ(store_.Read("styles", "acolor", style), "CC6600");
  EXPECT_EQ(store_.Read("preset", "name", PathTo("presets\\default.ini")), "default");

  EXPECT_TRUE(store_.Write("styles", "FCOLOR", "112233", style));
  EXPECT_EQ(ReadFileBytes("styles/sonorix.ini").substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(store_.Read("styles", "ascii", style), "»");
  EXPECT_EQ(store_.Read("styles", "fcolor", style), "112233");
}

// The real steps, but the one named fails: as a kill, a full disk or a
// locked file would at that point.
class FailingSteps final : public ProfileFileSteps {
 public:
  enum Step { kTemporary, kCopy, kWrite, kReplace };
  explicit FailingSteps(Step failing) : failing_(failing) {}

  bool MakeTemporaryBeside(const std::wstring& file, std::wstring& temporary) override {
    return failing_ != kTemporary && ProfileFileSteps::MakeTemporaryBeside(file, temporary);
  }
  bool CopyInto(const std::wstring& from, const std::wstring& to) override {
    return failing_ != kCopy && ProfileFileSteps::CopyInto(from, to);
  }
  // Half the work done, then the failure: the copy holds the new key.
  bool WriteKey(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                const std::wstring& file) override {
    const bool written = ProfileFileSteps::WriteKey(section, key, value, file);
    return failing_ != kWrite && written;
  }
  bool Replace(const std::wstring& temporary, const std::wstring& file) override {
    return failing_ != kReplace && ProfileFileSteps::Replace(temporary, file);
  }

 private:
  Step failing_;
};

using ProfileStoreFailure = ProfileStoreFiles;

TEST_F(ProfileStoreFailure, AWriteThatFailsAtAnyStepLeavesTheOldFileWholeAndNothingBeside) {
  const std::string old = "[Sonorix]\r\nmp3 dir=D:\\music\r\npreset=night\r\n";
  for (const auto step : {FailingSteps::kTemporary, FailingSteps::kCopy, FailingSteps::kWrite,
                          FailingSteps::kReplace}) {
    WriteFileBytes("ini files/sonorix.ini", old);
    FailingSteps steps(step);
    ProfileStore store(steps);
    EXPECT_FALSE(store.Write("Sonorix", "PRESET", "day", PathTo("ini files\\sonorix.ini"))) << step;
    EXPECT_EQ(ReadFileBytes("ini files/sonorix.ini"), old) << step;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "ini files"),
                            std::filesystem::directory_iterator{}),
              1)
        << step;
  }
}

// A file the user made read-only is not changed, and the write says so.
TEST_F(ProfileStoreFailure, AReadOnlyFileIsNotWritten) {
  WriteFileBytes("ini files/sonorix.ini", "[Sonorix]\r\npreset=night\r\n");
  const std::wstring file = (folder / "ini files" / "sonorix.ini").wstring();
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(store_.Write("Sonorix", "PRESET", "day", PathTo("ini files\\sonorix.ini")));
  EXPECT_EQ(store_.Read("Sonorix", "preset", PathTo("ini files\\sonorix.ini")), "night");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace sonorix::testing
