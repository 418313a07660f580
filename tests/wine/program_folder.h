// A prepared program folder for runs of the whole program.
#pragma once

#include <string>
#include <vector>

#include "wine/test_mp3.h"

namespace sonorix::testing {

inline constexpr char kTestAcolor[] = "FF9900";
inline constexpr char kTestAscii[] = "»";
inline constexpr char kTestFcolor[] = "003366";
inline constexpr unsigned kTestButtonColour = 0x0000C0;  // a red bar, as the preset stores it

// A fresh folder holding "ini files", a "default" preset and a "sonorix"
// style; with a music folder given, "mp3 dir", "preset" and "style" are set.
// Its name starts with the prefix (UTF-8).
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& musicFolder = "",
                         const std::string& prefix = "sonorix-");
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string SettingsFile() const { return path_ + "\\ini files\\sonorix.ini"; }

 private:
  std::string path_;
};

// A folder of copies of the build's test MP3s under the given names.
std::string MakeMusicFolder(const std::vector<std::pair<std::string, std::string>>& songs);

}  // namespace sonorix::testing
