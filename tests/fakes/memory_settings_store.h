// An in-memory settings store that keeps the real store's rules (the
// settings contract runs against it too) and records what was asked of it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_store.h"

namespace sonorix::testing {

class MemorySettingsStore final : public SettingsStore {
 public:
  struct Access {
    std::string section, key, file;
    friend bool operator==(const Access&, const Access&) = default;
  };

  // The program as the installer leaves it, in the folders the tests give it.
  MemorySettingsStore() {
    for (const char* program : {"C:\\prog", "C:\\Sonorix"}) Install(program);
  }
  // Nothing on disk yet, not even a program folder.
  struct NoFolders {};
  explicit MemorySettingsStore(NoFolders) {}

  // The program folder with the folders the installer makes in it.
  void Install(const std::string& program) {
    for (const char* folder : {"ini files", "presets", "styles"})
      MakeFolder(program + "\\" + folder);
  }

  // The folder and every one above it.
  void MakeFolder(std::string folder) {
    for (folder = Canonical(folder); !folder.empty(); folder = FolderOf(folder)) {
      folders_.insert(folder);
    }
  }

  // A file written by hand or by another program, read as the profile
  // functions read it: the first of a section or key counts, lines outside
  // a section or without "=" are skipped.
  void PutFile(const std::string& file, std::string_view text) {
    auto& sections = files_[Canonical(file)];
    sections.clear();
    Keys* keys = nullptr;
    while (!text.empty()) {
      const auto end = text.find('\n');
      const std::string_view line = Trim(text.substr(0, end));
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      const auto equals = line.find('=');
      if (!line.empty() && line.front() == '[') {
        keys = &sections[Lower(Trim(line.substr(1, line.find(']') - 1)))];
      } else if (keys != nullptr && equals != std::string_view::npos) {
        keys->emplace(Lower(Trim(line.substr(0, equals))), std::string(line.substr(equals + 1)));
      }
    }
  }

  bool Exists(const std::string& path) const {
    const std::string canonical = Canonical(path);
    return folders_.count(canonical) != 0 || files_.count(canonical) != 0;
  }

  std::string Read(std::string_view section, std::string_view key,
                   const std::string& file) const override {
    ++reads;
    const auto sections = files_.find(Canonical(file));
    if (sections == files_.end()) return "";
    const auto keys = sections->second.find(Lower(section));
    if (keys == sections->second.end()) return "";
    const auto value = keys->second.find(Lower(key));
    return value == keys->second.end() ? "" : AsRead(value->second);
  }

  bool Write(std::string_view section, std::string_view key, std::string_view value,
             const std::string& file) override {
    writes.push_back({std::string(section), std::string(key), file});
    if (failWrites || folders_.count(FolderOf(Canonical(file))) == 0) return false;
    files_[Canonical(file)][Lower(section)][Lower(key)] = std::string(value);
    return true;
  }

  // Every write from now on fails, as on a folder that cannot be written.
  bool failWrites = false;

  std::vector<Access> writes;
  mutable int reads = 0;

 private:
  using Keys = std::map<std::string, std::string>;

  // Windows compares names without regard to case; only ASCII is folded here.
  static std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
  }
  static std::string Canonical(std::string_view path) {
    std::string canonical = Lower(path);
    for (char& c : canonical) c = c == '/' ? '\\' : c;
    while (canonical.size() > 1 && canonical.back() == '\\') canonical.pop_back();
    return canonical;
  }
  static std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? "" : path.substr(0, slash);
  }
  static std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
  }
  static std::string AsRead(std::string_view value) {
    value = Trim(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kMaxValueLength));
  }

  std::set<std::string> folders_;
  std::map<std::string, std::map<std::string, Keys>> files_;  // by file, section, key
};

}  // namespace sonorix::testing
