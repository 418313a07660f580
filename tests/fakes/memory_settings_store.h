// An in-memory settings store that also records what was asked of it.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/settings_store.h"

namespace sonorix::testing {

class MemorySettingsStore final : public SettingsStore {
 public:
  struct Access {
    std::string section, key, file;
    friend bool operator==(const Access&, const Access&) = default;
  };

  std::string Read(std::string_view section, std::string_view key,
                   const std::string& file) const override {
    const auto found = values_.find(Address(section, key, file));
    return found == values_.end() ? "" : found->second.substr(0, kMaxValueLength);
  }

  bool Write(std::string_view section, std::string_view key, std::string_view value,
             const std::string& file) override {
    writes.push_back({std::string(section), std::string(key), file});
    if (failWrites) return false;
    values_[Address(section, key, file)] = std::string(value);
    return true;
  }

  // Every write from now on fails, as on a folder that cannot be written.
  bool failWrites = false;

  std::vector<Access> writes;

 private:
  static std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
  }
  static std::tuple<std::string, std::string, std::string> Address(std::string_view section,
                                                                   std::string_view key,
                                                                   const std::string& file) {
    return {Lower(section), Lower(key), file};
  }

  std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
};

}  // namespace sonorix::testing
