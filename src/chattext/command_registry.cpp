#include "chattext/command_registry.h"

#include <algorithm>

namespace sonorix {

const std::vector<std::string_view>& CommandListLines() {
  static const std::vector<std::string_view> lines = [] {
    std::vector<std::string_view> listed;
    for (const CommandEntry& command : kCommands) {
      if (!command.listLine.empty()) listed.push_back(command.listLine);
    }
    std::sort(listed.begin(), listed.end());
    return listed;
  }();
  return lines;
}

}  // namespace sonorix
