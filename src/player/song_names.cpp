#include "player/song_names.h"

#include <algorithm>
#include <functional>

#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

constexpr char kEnd = '\n';

}  // namespace

void SongNames::Joined::Add(std::string_view name) {
  starts.push_back(static_cast<std::uint32_t>(text.size()));
  text.append(name);
  text.push_back(kEnd);
}

std::vector<int> SongNames::Joined::Containing(std::string_view wanted) const {
  std::vector<int> found;
  if (starts.empty() || wanted.find(kEnd) != std::string_view::npos) return found;
  // Skipping ahead by the text's length where a byte rules a match out
  // reads a fraction of the buffer; a first-byte scan stops at every "t".
  const std::boyer_moore_horspool_searcher searcher(wanted.begin(), wanted.end());
  for (auto from = text.begin();;) {
    const auto hit = std::search(from, text.end(), searcher);
    if (hit == text.end()) break;
    const auto next = std::upper_bound(starts.begin(), starts.end(), hit - text.begin());
    found.push_back(static_cast<int>(next - starts.begin()) - 1);
    // One entry a name: the search goes on with the next name.
    if (next == starts.end()) break;
    from = text.begin() + *next;
  }
  return found;
}

SongNames::SongNames(const std::vector<std::string>& names) {
  for (const auto& name : names) Add(name);
}

void SongNames::Add(std::string_view name) {
  names_.Add(name);
  const std::string lower = LowerCase(name);
  lower_.Add(lower);
  compact_.Add(StripSpaces(lower));
}

std::string_view SongNames::Name(int position) const {
  if (position < 0 || position >= Count()) return {};
  const auto at = static_cast<std::size_t>(position);
  const auto& starts = names_.starts;
  const std::size_t start = starts[at];
  const std::size_t end = at + 1 < starts.size() ? starts[at + 1] : names_.text.size();
  return std::string_view(names_.text).substr(start, end - start - 1);
}

int SongNames::Find(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    if (Name(i) == name) return i;
  }
  return -1;
}

std::vector<int> SongNames::Containing(std::string_view search, bool ignoreBlanks) const {
  const std::string wanted = LowerCase(ignoreBlanks ? StripSpaces(search) : std::string(search));
  return (ignoreBlanks ? compact_ : lower_).Containing(wanted);
}

}  // namespace sonorix
