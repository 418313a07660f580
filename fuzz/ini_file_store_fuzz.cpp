// The portable settings store over any starting file: every value written reads back as the
// profile rules say (blanks around it and one pair of quotes gone, cut to 254), under any
// case of its section and key, after any later writes; a fresh file holds nothing else.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>

#include "core/ini_file_store.h"
#include "fuzz_check.h"

namespace sonorix {
namespace {

using fuzz::Require;
using Address = std::pair<std::string, std::string>;  // section and key, lower case

std::string AsciiLower(std::string text) {
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}

std::string AsciiUpper(std::string text) {
  for (char& c : text) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool HasLineBreakOrNul(const std::string& text) {
  return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

// A name a line of the file can hold: not empty, no blanks around it, and nothing that would
// make its line read as a section header, a comment or another key.
bool IsSectionName(const std::string& name) {
  return !name.empty() && !IsBlank(name.front()) && !IsBlank(name.back()) &&
         !HasLineBreakOrNul(name) && name.find(']') == std::string::npos;
}

bool IsKeyName(const std::string& name) {
  return IsSectionName(name) && name.front() != '[' && name.front() != ';' &&
         name.find('=') == std::string::npos;
}

// What a read gives back for a value written as it stands.
std::string AsRead(std::string value) {
  const auto first = std::find_if_not(value.begin(), value.end(), IsBlank);
  const auto last = std::find_if_not(value.rbegin(), value.rend(), IsBlank).base();
  value = first < last ? std::string(first, last) : std::string();
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value.substr(0, SettingsStore::kMaxValueLength);
}

// A name from a few fixed ones, so that writes meet again, or a fuzzed one.
std::string PickName(FuzzedDataProvider& input) {
  constexpr const char* kNames[] = {"Sonorix", "styles", "preset", "mp3 dir", "a b", "x"};
  const auto choice = input.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames));
  if (choice < std::size(kNames)) return kNames[choice];
  return input.ConsumeRandomLengthString(16);
}

class RoundTrip {
 public:
  explicit RoundTrip(std::string file) : file_(std::move(file)) {}

  void Write(const std::string& section, const std::string& key, const std::string& value) {
    Require(store_.Write(section, key, value, file_), "a write to a writable folder is kept");
    written_[{AsciiLower(section), AsciiLower(key)}] = AsRead(value);
  }

  void CheckEveryValue() const {
    for (const auto& [address, value] : written_) {
      Require(store_.Read(address.first, address.second, file_) == value,
              "a written value reads back");
      Require(store_.Read(AsciiUpper(address.first), AsciiUpper(address.second), file_) == value,
              "a written value reads back under any case");
    }
  }

  void CheckNothingElse(const std::string& section, const std::string& key) const {
    if (written_.count({AsciiLower(section), AsciiLower(key)}) != 0) return;
    Require(store_.Read(section, key, file_).empty(), "a fresh file holds only what was written");
  }

 private:
  std::string file_;
  IniFileStore store_;
  std::map<Address, std::string> written_;
};

void Run(FuzzedDataProvider& input, const std::string& file) {
  const bool fresh = input.ConsumeBool();
  if (!fresh) std::ofstream(file, std::ios::binary) << input.ConsumeRandomLengthString(2048);
  RoundTrip trip(file);
  for (int op = 0; op < 16 && input.remaining_bytes() > 0; ++op) {
    const std::string section = PickName(input), key = PickName(input);
    const std::string value = input.ConsumeRandomLengthString(300);
    if (!IsSectionName(section) || !IsKeyName(key) || HasLineBreakOrNul(value)) {
      IniFileStore().Read(section, key, file);  // any name may be asked for
      if (fresh) trip.CheckNothingElse(section, key);
      continue;
    }
    trip.Write(section, key, value);
    trip.CheckEveryValue();
  }
}

// In memory where the system offers it: a file made and dropped for every input wears on a
// disk and waits on its journal.
std::filesystem::path ScratchFolder() {
  const std::filesystem::path memory = "/dev/shm";
  std::error_code error;
  return std::filesystem::is_directory(memory, error) ? memory
                                                      : std::filesystem::temp_directory_path();
}

}  // namespace
}  // namespace sonorix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const auto file =
      sonorix::ScratchFolder() / ("sonorix-fuzz-" + std::to_string(getpid()) + ".ini");
  std::filesystem::remove(file);
  FuzzedDataProvider input(bytes, size);
  sonorix::Run(input, file.string());
  std::filesystem::remove(file);
  return 0;
}
