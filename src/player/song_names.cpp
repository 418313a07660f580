#include "player/song_names.h"

#include <algorithm>
#include <functional>

#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

constexpr char kEnd = '\n';

std::string Coarse(std::string_view text) {
  std::string coarse;
  coarse.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == ' ') continue;
    coarse.push_back(byte >= 0x80             ? '\x80'
                     : (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32)
                                              : c);
  }
  return coarse;
}

}  // namespace

void SongNames::Joined::Reserve(std::size_t count, std::size_t bytes) {
  starts.reserve(count);
  text.reserve(bytes + count);
}

void SongNames::Joined::Add(std::string_view name) {
  starts.push_back(static_cast<std::uint32_t>(text.size()));
  text.append(name);
  text.push_back(kEnd);
}

int SongNames::Joined::At(std::size_t offset) const {
  return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) -
         1;
}

SongNames::SongNames(const std::vector<std::string>& names) {
  for (const auto& name : names) Add(name);
}

void SongNames::Reserve(std::size_t count, std::size_t bytes) {
  names_.Reserve(count, bytes);
  coarse_.Reserve(count, bytes);
}

void SongNames::Add(std::string_view name) {
  names_.Add(name);
  coarse_.Add(Coarse(name));
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
  std::vector<int> found;
  if (Count() == 0 || search.find(kEnd) != std::string_view::npos) return found;
  const auto fold = [&](std::string_view text) {
    return LowerCase(ignoreBlanks ? StripSpaces(text) : std::string(text));
  };
  const std::string wanted = fold(search);
  const std::string probe = Coarse(search);
  // Skipping ahead by the probe's length where a byte rules a match out
  // reads a fraction of the buffer; a first-byte scan stops at every "t".
  const std::boyer_moore_horspool_searcher searcher(probe.begin(), probe.end());
  const std::string& text = coarse_.text;
  for (auto from = text.begin(); from != text.end();) {
    const auto hit = std::search(from, text.end(), searcher);
    if (hit == text.end()) break;
    const int position = coarse_.At(static_cast<std::size_t>(hit - text.begin()));
    if (fold(Name(position)).find(wanted) != std::string::npos) found.push_back(position);
    // One entry a name: the search goes on with the next name.
    if (position + 1 == Count()) break;
    from = text.begin() + coarse_.starts[static_cast<std::size_t>(position) + 1];
  }
  return found;
}

}  // namespace sonorix
