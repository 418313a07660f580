// The preset and style lists: which files there are, the names they show
// under, and finding one by part of its name.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"

namespace sonorix {

// Where one kind of look file lives and which key holds its display name.
struct LookKind {
  std::string_view folder;  // below the program folder
  std::string_view section;
  std::string_view nameKey;
};
inline constexpr LookKind kPresetKind{kPresetFolder, kPresetSection, kPresetNameKey};
inline constexpr LookKind kStyleKind{kStyleFolder, kStyleSection, kStyleNameKey};

// The kind's folder with a trailing backslash.
std::string LookFolder(const Settings& settings, const LookKind& kind);

// One display name per ".ini" file, in file-name order (case aside); a file
// without the name key gives an empty name. Other files are passed over.
std::vector<std::string> DisplayNames(const Settings& settings, const LookKind& kind,
                                      std::vector<std::string> files);

// The first name that holds the query, blanks around it dropped, case
// aside; an empty query picks the first name.
std::optional<std::string> FirstHolding(const std::vector<std::string>& names,
                                        std::string_view query);

}  // namespace sonorix
