#include "look/remove_duplicates.h"

#include <algorithm>

#include "chattext/text_helpers.h"

namespace sonorix {

// Names are compared as plain text: one holding "*", "#" or "[" is a name
// like any other and must neither vanish nor hide the names it looks like.
void RemoveDuplicates(std::vector<std::string>& items) {
  std::vector<std::string> seen;
  std::erase_if(items, [&seen](const std::string& item) {
    std::string lowered = LowerCase(item);
    if (std::find(seen.begin(), seen.end(), lowered) != seen.end()) return true;
    seen.push_back(std::move(lowered));
    return false;
  });
}

}  // namespace sonorix
