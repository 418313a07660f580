// A portable settings store with the rules of the Windows profile functions,
// for builds and tests that have no Windows underneath.
#pragma once

#include "core/settings_store.h"

namespace sonorix {

class IniFileStore final : public SettingsStore {
 public:
  std::string Read(std::string_view section, std::string_view key,
                   const std::string& file) const override;
  bool Write(std::string_view section, std::string_view key, std::string_view value,
             const std::string& file) override;
};

}  // namespace sonorix
