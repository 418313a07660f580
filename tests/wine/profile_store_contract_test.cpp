#include <windows.h>

#include <cstdlib>
#include <string>

#include "contract/settings_contract.h"
#include "core/win32/profile_store.h"

namespace sonorix::testing {

INSTANTIATE_TEST_SUITE_P(ProfileStore, SettingsContract,
                         ::testing::Values([] { return std::make_unique<ProfileStore>(); }));

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

using ProfileStoreCodePage = SettingsContract;

// Files written before hold names in the system's code page: they read the
// same, stay in it while every name fits, and keep every line when a name
// that does not fit turns them into UTF-16.
TEST_P(ProfileStoreCodePage, AFileWrittenBeforeReadsTheSameAndKeepsItsLines) {
  ASSERT_EQ(GetACP(), ExpectedCodePage()) << "the locale the test list asked for is missing";
  const CodePageNames* names = nullptr;
  for (const auto& candidate : kCodePages)
    names = candidate.codePage == GetACP() ? &candidate : names;
  ASSERT_NE(names, nullptr);
  WriteFileBytes("ini files/sonorix.ini",
                 std::string("[Sonorix]\r\nmp3 dir=") + names->fitsBytes + "\r\n");
  const auto file = PathTo("ini files\\sonorix.ini");
  EXPECT_EQ(store_->Read("Sonorix", "mp3 dir", file), names->fits);

  store_->Write("Sonorix", "PRESET", names->fits, file);
  const std::string stillAnsi = ReadFileBytes("ini files/sonorix.ini");
  EXPECT_EQ(stillAnsi, std::string("[Sonorix]\r\nmp3 dir=") + names->fitsBytes +
                           "\r\nPRESET=" + names->fitsBytes + "\r\n");

  store_->Write("Sonorix", "STYLE", names->lacks, file);
  EXPECT_EQ(ReadFileBytes("ini files/sonorix.ini").substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(store_->Read("Sonorix", "mp3 dir", file), names->fits);
  EXPECT_EQ(store_->Read("Sonorix", "preset", file), names->fits);
  EXPECT_EQ(store_->Read("Sonorix", "style", file), names->lacks);
}

INSTANTIATE_TEST_SUITE_P(ProfileStore, ProfileStoreCodePage,
                         ::testing::Values([] { return std::make_unique<ProfileStore>(); }));

}  // namespace sonorix::testing
