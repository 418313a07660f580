// The song list's names, held for a folder of any size: one buffer of
// UTF-8 names in list order. A search reads a coarse form of them first,
// made a block of names at a time, so that it is a few passes over small
// buffers instead of a conversion and a comparison per name, and the form
// costs no memory between searches.
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
  // Bytes held by the names.
  std::size_t NameBytes() const { return names_.Bytes(); }

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
  };

  // Calls check with the position of each name whose coarse form, in the
  // block that begins with the name at first, the searcher finds.
  template <typename Searcher, typename Check>
  static void SearchBlock(const std::string& block, int first, const Searcher& searcher,
                          Check check);

  Joined names_;
};

}  // namespace sonorix
