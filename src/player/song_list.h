// The song list: the music folder's ".mp3" files, addressed by position.
#pragma once

#include <string>

#include "player/song_names.h"

namespace sonorix {

class SongList {
 public:
  virtual ~SongList() = default;

  // Lists the folder's ".mp3" files; a missing or empty folder lists none.
  virtual void SetFolder(const std::string& folder) = 0;
  virtual std::string Folder() const = 0;
  virtual int Count() const = 0;
  // The selected position, or -1.
  virtual int Selected() const = 0;
  virtual void Select(int position) = 0;
  // The bare file name at the position; "" outside the list.
  virtual std::string Name(int position) const = 0;
  // Every name, for searches that would otherwise ask name by name.
  virtual const SongNames& Names() const = 0;
};

// The full path of the song at the position: folder, backslash, name.
inline std::string SongPath(const SongList& songs, int position) {
  return songs.Folder() + "\\" + songs.Name(position);
}

}  // namespace sonorix
