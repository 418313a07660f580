// Where the build put the Wine tests' MP3s.
#pragma once

#include <string>

namespace sonorix::testing {

// The Windows path of a test MP3 made by the build.
inline std::string TestMp3(const std::string& name) {
  std::string folder = SONORIX_TEST_MP3_DIR;
  for (char& c : folder) {
    if (c == '/') c = '\\';
  }
  return "Z:" + folder + "\\" + name;
}

}  // namespace sonorix::testing
