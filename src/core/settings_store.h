// The settings store: INI-format files read and written by section and key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sonorix {

// Every path is a full Windows path ("C:\prog\ini files\sonorix.ini").
// Sections and keys are matched without regard to case. Text is UTF-8.
class SettingsStore {
 public:
  // The longest value a read returns; longer values come back cut.
  static constexpr std::size_t kMaxValueLength = 254;

  virtual ~SettingsStore() = default;

  // The value with the blanks around it and one pair of enclosing quotes
  // removed, cut to kMaxValueLength; "" for a missing file, section or key.
  // Never creates anything.
  virtual std::string Read(std::string_view section, std::string_view key,
                           const std::string& file) const = 0;

  // Sets the key, creating the file, section or key as needed. A key that
  // already exists keeps its spelling. The file is replaced whole, never
  // left half written: it holds either the old lines or the new. False when
  // the value did not reach the disk (a missing or read-only folder, a full
  // disk); the old file is then as it was.
  [[nodiscard]] virtual bool Write(std::string_view section, std::string_view key,
                                   std::string_view value, const std::string& file) = 0;
};

}  // namespace sonorix
