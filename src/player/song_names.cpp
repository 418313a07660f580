#include "player/song_names.h"

#include <algorithm>
#include <array>
#include <functional>

#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

constexpr char kEnd = '\n';
// Names a search turns into the coarse form at a time: a block's form
// stays in the processor's cache while it is searched.
constexpr int kBlockNames = 2048;

// Each name without blanks, ASCII letters in lower case and every other
// byte above 127 as one and the same: whatever holds the search in full
// holds it in this form too, so only the names found in it are checked.
constexpr std::array<char, 256> kCoarseBytes = [] {
  std::array<char, 256> bytes{};
  for (int byte = 0; byte < 256; ++byte) {
    bytes[static_cast<std::size_t>(byte)] = byte >= 0x80 ? '\x80'
                                            : (byte >= 'A' && byte <= 'Z')
                                                ? static_cast<char>(byte + 32)
                                                : static_cast<char>(byte);
  }
  return bytes;
}();

// The text's coarse form into out, which has room for the whole text; the
// length written. A table and no branch: a search converts every name.
std::size_t WriteCoarse(std::string_view text, char* out) {
  std::size_t length = 0;
  for (const char c : text) {
    out[length] = kCoarseBytes[static_cast<unsigned char>(c)];
    length += c != ' ' ? 1 : 0;
  }
  return length;
}

std::string Coarse(std::string_view text) {
  std::string coarse(text.size(), '\0');
  coarse.resize(WriteCoarse(text, coarse.data()));
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

SongNames::SongNames(const std::vector<std::string>& names) {
  for (const auto& name : names) Add(name);
}

void SongNames::Reserve(std::size_t count, std::size_t bytes) { names_.Reserve(count, bytes); }

void SongNames::Add(std::string_view name) { names_.Add(name); }

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

template <typename Searcher, typename Check>
void SongNames::SearchBlock(const std::string& block, int first, const Searcher& searcher,
                            Check check) {
  // Line breaks counted up to `counted` give the position of a hit's name.
  auto counted = block.begin();
  int position = first;
  for (auto from = block.begin(); from != block.end();) {
    const auto hit = std::search(from, block.end(), searcher);
    if (hit == block.end()) break;
    position += static_cast<int>(std::count(counted, hit, kEnd));
    check(position);
    // One entry a name: the search goes on with the next name.
    from = std::find(hit, block.end(), kEnd);
    if (from == block.end()) break;
    counted = ++from;
    ++position;
  }
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
  std::string block;
  for (int first = 0; first < Count(); first += kBlockNames) {
    const int end = std::min(Count(), first + kBlockNames);
    // A block's names lie one after another, each with its line break.
    const std::size_t from = names_.starts[static_cast<std::size_t>(first)];
    const std::size_t to =
        end < Count() ? names_.starts[static_cast<std::size_t>(end)] : names_.text.size();
    block.resize(to - from);
    block.resize(WriteCoarse(std::string_view(names_.text).substr(from, to - from), block.data()));
    SearchBlock(block, first, searcher, [&](int position) {
      if (fold(Name(position)).find(wanted) != std::string::npos) found.push_back(position);
    });
  }
  return found;
}

}  // namespace sonorix
