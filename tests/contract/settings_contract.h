// The rules every settings store must keep, run against each store we have.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/settings_store.h"

namespace sonorix::testing {

using StoreFactory = std::function<std::unique_ptr<SettingsStore>()>;

class SettingsContract : public ::testing::TestWithParam<StoreFactory> {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A path inside a fresh folder, written with backslashes as the program does.
  std::string PathTo(const std::string& relative) const;
  void WriteFileBytes(const std::string& relative, const std::string& bytes) const;
  std::string ReadFileBytes(const std::string& relative) const;
  bool Exists(const std::string& relative) const;

  std::unique_ptr<SettingsStore> store_;
  std::filesystem::path folder_;
};

}  // namespace sonorix::testing
