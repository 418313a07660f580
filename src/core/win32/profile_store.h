// The settings store on the Windows private-profile functions.
#pragma once

#include <string>

#include "core/settings_store.h"

namespace sonorix {

// The file steps of one write, on their own so that a test can make any of
// them fail; each says whether it worked.
class ProfileFileSteps {
 public:
  virtual ~ProfileFileSteps() = default;
  // A new, empty file in the folder of `file`, named in `temporary`.
  virtual bool MakeTemporaryBeside(const std::wstring& file, std::wstring& temporary);
  virtual bool CopyInto(const std::wstring& from, const std::wstring& to);
  virtual bool WriteKey(const std::wstring& section, const std::wstring& key,
                        const std::wstring& value, const std::wstring& file);
  // `temporary` takes the place of `file`, on the disk before this returns.
  virtual bool Replace(const std::wstring& temporary, const std::wstring& file);
};

// Files stay in the system's ANSI code page, as every file written before
// is, until a name that code page lacks (a folder in another script) is
// written: from then on that file is UTF-16, which the same functions read.
// A write changes a copy beside the file, which then replaces it, so a kill,
// a crash or a full disk half way leaves the old file whole.
class ProfileStore final : public SettingsStore {
 public:
  ProfileStore() : ProfileStore(ownSteps_) {}
  explicit ProfileStore(ProfileFileSteps& steps) : steps_(steps) {}

  std::string Read(std::string_view section, std::string_view key,
                   const std::string& file) const override;
  bool Write(std::string_view section, std::string_view key, std::string_view value,
             const std::string& file) override;

 private:
  ProfileFileSteps ownSteps_;
  ProfileFileSteps& steps_;
};

}  // namespace sonorix
