#include "contract/settings_contract.h"

#include <fstream>
#include <random>
#include <sstream>

namespace sonorix::testing {
namespace {

std::filesystem::path FreshFolder() {
  std::random_device seed;
  return std::filesystem::temp_directory_path() /
         ("sonorix-settings-" + std::to_string(seed()) + std::to_string(seed()));
}

}  // namespace

DiskFolder::DiskFolder() : folder(FreshFolder()) {
  std::filesystem::create_directories(folder / "ini files");
}

DiskFolder::~DiskFolder() { std::filesystem::remove_all(folder); }

std::string DiskFolder::PathTo(const std::string& relative) const {
  std::string path = folder.string();
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path + "\\" + relative;
}

std::filesystem::path DiskFolder::Native(const std::string& relative) const {
  std::filesystem::path path = folder;
  for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
    end = relative.find('\\', start);
    const std::string part = relative.substr(start, end - start);
    path /= std::u8string(part.begin(), part.end());
  }
  return path;
}

void DiskFolder::WriteFileBytes(const std::string& relative, const std::string& bytes) const {
  std::ofstream(Native(relative), std::ios::binary) << bytes;
}

std::string DiskFolder::ReadFileBytes(const std::string& relative) const {
  std::ostringstream bytes;
  bytes << std::ifstream(Native(relative), std::ios::binary).rdbuf();
  return bytes.str();
}

// A rewritten key keeps the others; a long value is cut to 254 characters.
TEST_P(SettingsContract, WrittenValueReadsBackUnderAnyCaseOfSectionAndKey) {
  auto& store = place_->Store();
  const auto file = place_->PathTo("ini files\\sonorix.ini");
  EXPECT_TRUE(store.Write("Sonorix", "MP3 DIR", "D:\\music", file));
  EXPECT_EQ(store.Read("Sonorix", "MP3 DIR", file), "D:\\music");
  EXPECT_EQ(store.Read("sonorix", "mp3 dir", file), "D:\\music");
  EXPECT_EQ(store.Read("SONORIX", "Mp3 Dir", file), "D:\\music");

  EXPECT_TRUE(store.Write("Sonorix", "PRESET", "default", file));
  EXPECT_TRUE(store.Write("Sonorix", "PRESET", "night", file));
  EXPECT_EQ(store.Read("Sonorix", "preset", file), "night");
  EXPECT_EQ(store.Read("Sonorix", "mp3 dir", file), "D:\\music");

  const std::string value(300, 'x');
  EXPECT_TRUE(store.Write("Sonorix", "MP3 DIR", value, file));
  EXPECT_EQ(store.Read("Sonorix", "mp3 dir", file), value.substr(0, 254));
}

// As on Windows, a file and its folders are the same under any case.
TEST_P(SettingsContract, PathsAreTheSameUnderAnyCase) {
  auto& store = place_->Store();
  EXPECT_TRUE(store.Write("Sonorix", "PRESET", "night", place_->PathTo("ini files\\sonorix.ini")));
  EXPECT_EQ(store.Read("sonorix", "preset", place_->PathTo("INI FILES\\Sonorix.INI")), "night");
  EXPECT_TRUE(store.Write("Sonorix", "STYLE", "neon", place_->PathTo("Ini Files\\SONORIX.ini")));
  EXPECT_EQ(store.Read("sonorix", "style", place_->PathTo("ini files\\sonorix.ini")), "neon");
  EXPECT_EQ(store.Read("sonorix", "preset", place_->PathTo("ini files\\sonorix.ini")), "night");
}

TEST_P(SettingsContract, HandWrittenFileIsReadWithoutCaseBlanksOrOnePairOfQuotes) {
  place_->PutFile("style.ini",
                  "[Styles]\r\nascii =  <b>x</b>  \r\nacolor=\"FF9900\"\r\nfcolor='00FF00'\r\n"
                  "style=\"\"quoted\"\"\r\n");
  const auto file = place_->PathTo("style.ini");
  auto& store = place_->Store();
  EXPECT_EQ(store.Read("styles", "ASCII", file), "<b>x</b>");
  EXPECT_EQ(store.Read("STYLES", "acolor", file), "FF9900");
  EXPECT_EQ(store.Read("styles", "fcolor", file), "00FF00");
  EXPECT_EQ(store.Read("styles", "style", file), "\"quoted\"");
}

TEST_P(SettingsContract, MissingFileSectionOrKeyReadsEmptyAndCreatesNothing) {
  auto& store = place_->Store();
  EXPECT_EQ(store.Read("Sonorix", "mp3 dir", place_->PathTo("none.ini")), "");
  EXPECT_FALSE(place_->Exists("none.ini"));
  place_->PutFile("some.ini", "[preset]\r\nname=x\r\n");
  EXPECT_EQ(store.Read("other", "name", place_->PathTo("some.ini")), "");
  EXPECT_EQ(store.Read("preset", "fade1", place_->PathTo("some.ini")), "");
}

TEST_P(SettingsContract, WriteIntoMissingFolderHasNoEffectAndSaysSo) {
  auto& store = place_->Store();
  EXPECT_FALSE(store.Write("preset", "NAME", "x", place_->PathTo("presets\\x.ini")));
  EXPECT_FALSE(place_->Exists("presets"));
  EXPECT_EQ(store.Read("preset", "name", place_->PathTo("presets\\x.ini")), "");
}

TEST_P(SettingsContract, NewSectionsAndKeysJoinAnExistingFile) {
  place_->PutFile("p.ini", "[preset]\r\nname=night\r\n");
  const auto file = place_->PathTo("p.ini");
  auto& store = place_->Store();
  EXPECT_TRUE(store.Write("preset", "FADE1", "255", file));
  EXPECT_TRUE(store.Write("extra", "KEY", "v", file));
  EXPECT_EQ(store.Read("preset", "name", file), "night");
  EXPECT_EQ(store.Read("preset", "fade1", file), "255");
  EXPECT_EQ(store.Read("extra", "key", file), "v");
}

// Whatever the system's code page: a folder the picker can return comes
// back, and a program folder of any script is found.
TEST_P(SettingsContract, TextAndFoldersInAnyScriptSurviveTheRoundTrip) {
  auto& store = place_->Store();
  const auto file = place_->PathTo("ini files\\sonorix.ini");
  EXPECT_TRUE(store.Write("Sonorix", "STYLE", "café »", file));
  EXPECT_TRUE(store.Write("Sonorix", "MP3 DIR", "D:\\Музыка", file));
  EXPECT_EQ(store.Read("Sonorix", "style", file), "café »");
  EXPECT_EQ(store.Read("Sonorix", "mp3 dir", file), "D:\\Музыка");
  EXPECT_TRUE(store.Write("Sonorix", "MP3 DIR", "D:\\音楽 한국 🎵", file));
  EXPECT_EQ(store.Read("Sonorix", "mp3 dir", file), "D:\\音楽 한국 🎵");
  EXPECT_EQ(store.Read("Sonorix", "style", file), "café »");

  place_->MakeFolder("Программы 音楽\\ini files");
  // Wine under the test list's Cyrillic and Japanese locales cannot make it.
  if (!place_->Exists("Программы 音楽\\ini files")) GTEST_SKIP() << "no such folder can exist here";
  const auto inFolder = place_->PathTo("Программы 音楽\\ini files\\sonorix.ini");
  EXPECT_TRUE(store.Write("Sonorix", "PRESET", "default", inFolder));
  EXPECT_TRUE(place_->Exists("Программы 音楽\\ini files\\sonorix.ini"));
  EXPECT_EQ(store.Read("Sonorix", "preset", inFolder), "default");
}

}  // namespace sonorix::testing
