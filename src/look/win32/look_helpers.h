// The look helpers that touch the system: preset and style files on disk,
// and the shared colour picker.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/colour.h"

namespace sonorix {

// True when a listing of the path finds a normal file; wildcards that match
// nothing, folders and any error answer false.
bool FileExists(const std::string& path);
// Deletes the file if FileExists finds it; failures are ignored.
void DeleteIfExists(const std::string& path);
// The names of the folder's "*.ini" files, in no particular order; none for
// a missing folder.
std::vector<std::string> ListIniFiles(const std::string& folder);

// The system colour picker, one instance for the whole run, so each pick
// starts from the last and the custom colours stay.
class ColourDialog {
 public:
  explicit ColourDialog(Colour initial = Colour{0xFFFFFF}) : colour_(initial) {}
  // Modal to the owner: window events go on being handled while it is open.
  // Nothing when the user cancels.
  std::optional<Colour> Show(HWND owner);
  Colour Current() const { return colour_; }

 private:
  Colour colour_;
  COLORREF custom_[16] = {};
};

}  // namespace sonorix
