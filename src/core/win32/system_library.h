// A system library loaded only while a rarely used part needs it.
#pragma once

#include <windows.h>

namespace sonorix {

// A library the program links to is loaded at start, with every library it
// loads in turn, and holds its memory for the whole run: the colour dialog's
// brings the printing system along, which few runs ever use.
class SystemLibrary {
 public:
  // From the system folder only: never a file of that name planted beside
  // the program or in the current folder.
  explicit SystemLibrary(const wchar_t* name)
      : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}
  ~SystemLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  // The function of that name as a pointer of type Function; null when the
  // library or the function is missing.
  template <typename Function>
  Function Find(const char* name) const {
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_;
};

}  // namespace sonorix
