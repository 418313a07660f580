#include "wine/program_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "core/win32/code_page.h"
#include "wine/aolsim_process.h"

namespace sonorix::testing {

namespace {

void WriteAnsiFile(const std::string& path, const std::string& utf8) {
  std::ofstream(std::filesystem::path(Utf8ToWide(path)), std::ios::binary) << Utf8ToAnsi(utf8);
}

}  // namespace

ProgramFolder::ProgramFolder(const std::string& musicFolder, const std::string& prefix)
    : path_(MakeTempFolder(prefix)) {
  for (const char* sub : {"\\ini files", "\\presets", "\\styles"}) {
    CreateDirectoryW(Utf8ToWide(path_ + sub).c_str(), nullptr);
  }
  WriteAnsiFile(path_ + "\\presets\\default.ini",
                "[preset]\r\nNAME=default\r\nFADE1=0\r\nFADE2=16777215\r\nLABEL=255\r\n"
                "LIST=0\r\nBUTTON=" +
                    std::to_string(kTestButtonColour) + "\r\n");
  WriteAnsiFile(path_ + "\\styles\\sonorix.ini",
                std::string("[styles]\r\nSTYLE=sonorix\r\nASCII=") + kTestAscii +
                    "\r\nACOLOR=" + kTestAcolor + "\r\nFCOLOR=" + kTestFcolor + "\r\n");
  if (!musicFolder.empty()) {
    WriteAnsiFile(SettingsFile(), "[Sonorix]\r\nMP3 DIR=" + musicFolder +
                                      "\r\nPRESET=default\r\nSTYLE=sonorix\r\n");
  }
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(Utf8ToWide(path_)), ignored);
}

std::string ProgramFolder::InstallExe(const std::string& name) const {
  const std::string target = path_ + "\\" + name;
  CopyFileW(Utf8ToWide(TestProgramFolder() + name).c_str(), Utf8ToWide(target).c_str(), FALSE);
  return target;
}

std::string MakeMusicFolder(const std::vector<std::pair<std::string, std::string>>& songs) {
  const std::string folder = MakeTempFolder("music-");
  for (const auto& [source, name] : songs) {
    CopyFileW(Utf8ToWide(TestMp3(source)).c_str(), Utf8ToWide(folder + "\\" + name).c_str(), FALSE);
  }
  return folder;
}

}  // namespace sonorix::testing
