// The settings store on the Windows private-profile functions.
#pragma once

#include "core/settings_store.h"

namespace sonorix {

// Files stay in the system's ANSI code page, as every file written before
// is, until a name that code page lacks (a folder in another script) is
// written: from then on that file is UTF-16, which the same functions read.
class ProfileStore final : public SettingsStore {
 public:
  std::string Read(std::string_view section, std::string_view key,
                   const std::string& file) const override;
  void Write(std::string_view section, std::string_view key, std::string_view value,
             const std::string& file) override;
};

}  // namespace sonorix
