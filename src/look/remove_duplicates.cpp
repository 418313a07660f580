#include "look/remove_duplicates.h"

#include "chattext/like_pattern.h"
#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

// Reading past the end yields the empty text, as the list control does.
std::string ItemAt(const std::vector<std::string>& items, std::size_t at) {
  return at < items.size() ? LowerCase(items[at]) : std::string();
}

}  // namespace

// The bounds are taken once per loop and removals shift later entries up
// without a second look in the same pass, exactly as the list was always
// cleaned; the outcome for a given list depends on that.
void RemoveDuplicates(std::vector<std::string>& items) {
  const std::size_t outer = items.size();
  for (std::size_t i = 0; i < outer; ++i) {
    const std::size_t inner = items.size();
    for (std::size_t j = 0; j < inner; ++j) {
      if (i == j || !Like(ItemAt(items, i), ItemAt(items, j))) continue;
      if (j < items.size()) items.erase(items.begin() + static_cast<std::ptrdiff_t>(j));
    }
  }
}

}  // namespace sonorix
