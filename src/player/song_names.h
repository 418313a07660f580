// The song list's names, held for a folder of any size: one buffer of
// UTF-8 names in list order, and beside it one coarse form of them that a
// search reads first, so that a search is one pass over one buffer instead
// of a conversion and a comparison per name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sonorix {

class SongNames {
 public:
  SongNames() = default;
  explicit SongNames(const std::vector<std::string>& names);

  // Room for that many names of that many bytes in all, so that a large
  // folder takes no more memory than its names need.
  void Reserve(std::size_t count, std::size_t bytes);
  void Add(std::string_view name);
  int Count() const { return static_cast<int>(names_.starts.size()); }
  // "" outside the list.
  std::string_view Name(int position) const;
  // The first position of exactly that name, or -1.
  int Find(std::string_view name) const;
  // The positions, in list order, of the names that hold the search without
  // regard to case; with ignoreBlanks, blanks count in neither.
  std::vector<int> Containing(std::string_view search, bool ignoreBlanks) const;
  // Bytes held by the names, and by the form a search reads first.
  std::size_t NameBytes() const { return names_.Bytes(); }
  std::size_t SearchFormBytes() const { return coarse_.Bytes(); }

 private:
  // Names one after another, each closed by a line break, which no file
  // name holds, so that a hit never runs from one name into the next.
  struct Joined {
    std::string text;
    std::vector<std::uint32_t> starts;
    void Reserve(std::size_t count, std::size_t bytes);
    void Add(std::string_view name);
    std::size_t Bytes() const {
      return text.capacity() + starts.capacity() * sizeof(std::uint32_t);
    }
    // The position of the name that holds the byte at the offset.
    int At(std::size_t offset) const;
  };

  Joined names_;
  // Each name without blanks, ASCII letters in lower case and every other
  // byte above 127 as one and the same: whatever holds the search in full
  // holds it in this form too, so only the names found here are checked.
  Joined coarse_;
};

}  // namespace sonorix
