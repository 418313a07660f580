#include "look/win32/look_helpers.h"

#include <commdlg.h>

#include <memory>

#include "core/trace.h"
#include "core/win32/code_page.h"
#include "core/win32/system_library.h"

namespace sonorix {

namespace {

struct FindCloser {
  void operator()(HANDLE find) const { FindClose(find); }
};

using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

}  // namespace

bool FileExists(const std::string& path) {
  WIN32_FIND_DATAW found{};
  const FindHandle find(FindFirstFileW(Utf8ToWide(path).c_str(), &found));
  if (find.get() == INVALID_HANDLE_VALUE) return false;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && found.cFileName[0] != L'\0') {
      return true;
    }
  } while (FindNextFileW(find.get(), &found));
  return false;
}

void DeleteIfExists(const std::string& path) {
  if (FileExists(path)) DeleteFileW(Utf8ToWide(path).c_str());
}

std::vector<std::string> ListIniFiles(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found{};
  const std::string pattern = folder + (folder.ends_with('\\') ? "*.ini" : "\\*.ini");
  const FindHandle find(FindFirstFileW(Utf8ToWide(pattern).c_str(), &found));
  if (find.get() == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      names.push_back(WideToUtf8(found.cFileName));
    }
  } while (FindNextFileW(find.get(), &found));
  return names;
}

std::optional<Colour> ColourDialog::Show(HWND owner) {
  const SystemLibrary dialogs(L"comdlg32.dll");
  const auto chooseColour = dialogs.Find<decltype(&ChooseColorW)>("ChooseColorW");
  if (chooseColour == nullptr) {
    Trace("colour dialog unavailable: comdlg32.dll");
    return std::nullopt;
  }
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.rgbResult = colour_.bgr;
  choose.lpCustColors = custom_;
  choose.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!chooseColour(&choose)) return std::nullopt;
  colour_ = Colour{choose.rgbResult & 0xFFFFFF};
  return colour_;
}

}  // namespace sonorix
