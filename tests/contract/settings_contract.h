// The rules every settings store must keep, run against each store we have.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/settings_store.h"

namespace sonorix::testing {

// A store and the place it keeps its files, which starts as a fresh folder
// holding only "ini files". Relative paths are written with backslashes.
class StorePlace {
 public:
  virtual ~StorePlace() = default;
  virtual SettingsStore& Store() = 0;
  // The full path, as the program writes it.
  virtual std::string PathTo(const std::string& relative) const = 0;
  virtual void MakeFolder(const std::string& relative) = 0;
  // A file as the user or another program wrote it.
  virtual void PutFile(const std::string& relative, const std::string& bytes) = 0;
  virtual bool Exists(const std::string& relative) const = 0;
};

using PlaceFactory = std::function<std::unique_ptr<StorePlace>()>;

class SettingsContract : public ::testing::TestWithParam<PlaceFactory> {
 protected:
  void SetUp() override { place_ = GetParam()(); }

  std::unique_ptr<StorePlace> place_;
};

// A fresh folder on disk holding "ini files", for the stores that write real files.
class DiskFolder {
 public:
  DiskFolder();
  ~DiskFolder();
  DiskFolder(const DiskFolder&) = delete;
  DiskFolder& operator=(const DiskFolder&) = delete;

  std::string PathTo(const std::string& relative) const;
  // The relative path (backslashes, UTF-8) on this system.
  std::filesystem::path Native(const std::string& relative) const;
  void WriteFileBytes(const std::string& relative, const std::string& bytes) const;
  std::string ReadFileBytes(const std::string& relative) const;

  const std::filesystem::path folder;
};

}  // namespace sonorix::testing
