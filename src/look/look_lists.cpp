#include "look/look_lists.h"

#include <algorithm>

#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

bool IsIniFile(const std::string& file) {
  return file.size() > 4 && LowerCase(file.substr(file.size() - 4)) == ".ini";
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string LookFolder(const Settings& settings, const LookKind& kind) {
  return settings.ProgramFolder() + "\\" + std::string(kind.folder) + "\\";
}

std::vector<std::string> DisplayNames(const Settings& settings, const LookKind& kind,
                                      std::vector<std::string> files) {
  std::erase_if(files, [](const std::string& file) { return !IsIniFile(file); });
  std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
    return std::make_pair(LowerCase(a), a) < std::make_pair(LowerCase(b), b);
  });
  const std::string folder = LookFolder(settings, kind);
  std::vector<std::string> names;
  names.reserve(files.size());
  for (const std::string& file : files) {
    names.push_back(settings.ReadIni(kind.section, kind.nameKey, folder + file));
  }
  return names;
}

std::optional<std::string> FirstHolding(const std::vector<std::string>& names,
                                        std::string_view query) {
  const std::string wanted = LowerCase(Trimmed(query));
  for (const std::string& name : names) {
    if (LowerCase(name).find(wanted) != std::string::npos) return name;
  }
  return std::nullopt;
}

}  // namespace sonorix
