// File paths as the wide file APIs take them past MAX_PATH.
#pragma once

#include <string>
#include <string_view>

namespace sonorix {

// The full path with the \\?\ prefix (\\?\UNC\server\share\... for a share),
// which lets the wide file APIs open paths of 260 characters and more on any
// Windows, whatever the system's long-path setting. ".", ".." and forward
// slashes are resolved first, since the prefix turns that off. A device
// path, or one that already has the prefix, is kept as it is.
std::wstring LongPath(std::string_view utf8);

}  // namespace sonorix
