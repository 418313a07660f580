#include "contract/settings_contract.h"

#include <fstream>
#include <random>
#include <sstream>
#include <vector>

namespace sonorix::testing {

void SettingsContract::SetUp() {
  store_ = GetParam()();
  std::random_device seed;
  folder_ = std::filesystem::temp_directory_path() /
            ("sonorix-settings-" + std::to_string(seed()) + std::to_string(seed()));
  std::filesystem::create_directories(folder_ / "ini files");
}

void SettingsContract::TearDown() { std::filesystem::remove_all(folder_); }

std::string SettingsContract::PathTo(const std::string& relative) const {
  std::string path = folder_.string();
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path + "\\" + relative;
}

void SettingsContract::WriteFileBytes(const std::string& relative, const std::string& bytes) const {
  std::ofstream(folder_ / relative, std::ios::binary) << bytes;
}

std::string SettingsContract::ReadFileBytes(const std::string& relative) const {
  std::ostringstream bytes;
  bytes << std::ifstream(folder_ / relative, std::ios::binary).rdbuf();
  return bytes.str();
}

bool SettingsContract::Exists(const std::string& relative) const {
  return std::filesystem::exists(folder_ / relative);
}

// A rewritten key keeps the others; a long value is cut to 254 characters.
TEST_P(SettingsContract, WrittenValueReadsBackUnderAnyCaseOfSectionAndKey) {
  const auto file = PathTo("ini files\\sonorix.ini");
  EXPECT_TRUE(store_->Write("Sonorix", "MP3 DIR", "D:\\music", file));
  EXPECT_EQ(store_->Read("Sonorix", "MP3 DIR", file), "D:\\music");
  EXPECT_EQ(store_->Read("sonorix", "mp3 dir", file), "D:\\music");
  EXPECT_EQ(store_->Read("SONORIX", "Mp3 Dir", file), "D:\\music");
  EXPECT_NE(ReadFileBytes("ini files/sonorix.ini").find("MP3 DIR=D:\\music"), std::string::npos);

  EXPECT_TRUE(store_->Write("Sonorix", "PRESET", "default", file));
  EXPECT_TRUE(store_->Write("Sonorix", "PRESET", "night", file));
  EXPECT_EQ(store_->Read("Sonorix", "preset", file), "night");
  EXPECT_EQ(store_->Read("Sonorix", "mp3 dir", file), "D:\\music");
  EXPECT_EQ(ReadFileBytes("ini files/sonorix.ini").find("default"), std::string::npos);

  const std::string value(300, 'x');
  EXPECT_TRUE(store_->Write("Sonorix", "MP3 DIR", value, file));
  EXPECT_EQ(store_->Read("Sonorix", "mp3 dir", file), value.substr(0, 254));
}

TEST_P(SettingsContract, HandWrittenFileIsReadWithoutCaseBlanksOrOnePairOfQuotes) {
  WriteFileBytes("style.ini",
                 "[Styles]\r\nascii =  <b>x</b>  \r\nacolor=\"FF9900\"\r\nfcolor='00FF00'\r\n"
                 "style=\"\"quoted\"\"\r\n");
  const auto file = PathTo("style.ini");
  EXPECT_EQ(store_->Read("styles", "ASCII", file), "<b>x</b>");
  EXPECT_EQ(store_->Read("STYLES", "acolor", file), "FF9900");
  EXPECT_EQ(store_->Read("styles", "fcolor", file), "00FF00");
  EXPECT_EQ(store_->Read("styles", "style", file), "\"quoted\"");
}

TEST_P(SettingsContract, MissingFileSectionOrKeyReadsEmptyAndCreatesNothing) {
  EXPECT_EQ(store_->Read("Sonorix", "mp3 dir", PathTo("none.ini")), "");
  EXPECT_FALSE(Exists("none.ini"));
  WriteFileBytes("some.ini", "[preset]\r\nname=x\r\n");
  EXPECT_EQ(store_->Read("other", "name", PathTo("some.ini")), "");
  EXPECT_EQ(store_->Read("preset", "fade1", PathTo("some.ini")), "");
}

TEST_P(SettingsContract, WriteIntoMissingFolderHasNoEffectAndSaysSo) {
  EXPECT_FALSE(store_->Write("preset", "NAME", "x", PathTo("presets\\x.ini")));
  EXPECT_FALSE(Exists("presets"));
  EXPECT_EQ(store_->Read("preset", "name", PathTo("presets\\x.ini")), "");
}

TEST_P(SettingsContract, NewSectionsAndKeysJoinAnExistingFile) {
  WriteFileBytes("p.ini", "[preset]\r\nname=night\r\n");
  const auto file = PathTo("p.ini");
  EXPECT_TRUE(store_->Write("preset", "FADE1", "255", file));
  EXPECT_TRUE(store_->Write("extra", "KEY", "v", file));
  EXPECT_EQ(store_->Read("preset", "name", file), "night");
  EXPECT_EQ(store_->Read("preset", "fade1", file), "255");
  EXPECT_EQ(store_->Read("extra", "key", file), "v");
}

// Whatever the system's code page: a folder the picker can return comes
// back, and a program folder of any script is found.
TEST_P(SettingsContract, TextAndFoldersInAnyScriptSurviveTheRoundTrip) {
  const auto file = PathTo("ini files\\sonorix.ini");
  EXPECT_TRUE(store_->Write("Sonorix", "STYLE", "café »", file));
  EXPECT_TRUE(store_->Write("Sonorix", "MP3 DIR", "D:\\Музыка", file));
  EXPECT_EQ(store_->Read("Sonorix", "style", file), "café »");
  EXPECT_EQ(store_->Read("Sonorix", "mp3 dir", file), "D:\\Музыка");
  EXPECT_TRUE(store_->Write("Sonorix", "MP3 DIR", "D:\\音楽 한국 🎵", file));
  EXPECT_EQ(store_->Read("Sonorix", "mp3 dir", file), "D:\\音楽 한국 🎵");
  EXPECT_EQ(store_->Read("Sonorix", "style", file), "café »");

  std::filesystem::create_directories(folder_ / u8"Программы 音楽" / "ini files");
  const auto inFolder = PathTo("Программы 音楽\\ini files\\sonorix.ini");
  EXPECT_TRUE(store_->Write("Sonorix", "PRESET", "default", inFolder));
  EXPECT_TRUE(std::filesystem::exists(folder_ / u8"Программы 音楽" / "ini files" / "sonorix.ini"));
  EXPECT_EQ(store_->Read("Sonorix", "preset", inFolder), "default");
}

// The new file takes the old one's place whole: nothing else is left beside it.
TEST_P(SettingsContract, AWriteLeavesOnlyTheFileItWrote) {
  WriteFileBytes("ini files/sonorix.ini", "[Sonorix]\r\npreset=night\r\n");
  EXPECT_TRUE(store_->Write("Sonorix", "STYLE", "neon", PathTo("ini files\\sonorix.ini")));
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder_ / "ini files"))
    names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"sonorix.ini"});
}

}  // namespace sonorix::testing
