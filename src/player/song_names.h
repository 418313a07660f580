// The song list's names, held for a folder of any size: one buffer of
// UTF-8 names in list order, and beside it the lower-case forms a name
// search reads, so that a search is one pass over one buffer instead of a
// conversion and a comparison per name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sonorix {

class SongNames {
 public:
  SongNames() = default;
  explicit SongNames(const std::vector<std::string>& names);

  void Add(std::string_view name);
  int Count() const { return static_cast<int>(names_.starts.size()); }
  // "" outside the list.
  std::string_view Name(int position) const;
  // The first position of exactly that name, or -1.
  int Find(std::string_view name) const;
  // The positions, in list order, of the names that hold the search without
  // regard to case; with ignoreBlanks, blanks count in neither.
  std::vector<int> Containing(std::string_view search, bool ignoreBlanks) const;

 private:
  // Names one after another, each closed by a line break, which no file
  // name holds, so that a hit never runs from one name into the next.
  struct Joined {
    std::string text;
    std::vector<std::uint32_t> starts;
    void Add(std::string_view name);
    std::vector<int> Containing(std::string_view wanted) const;
  };

  Joined names_;
  Joined lower_;
  Joined compact_;  // lower case, without blanks
};

}  // namespace sonorix
