// Cleaning the preset and style lists of names that repeat.
#pragma once

#include <string>
#include <vector>

namespace sonorix {

// Removes every entry j that entry i matches (both lower-cased, entry j's
// text taken as a wildcard pattern), i and j at different positions. Of
// plain names that differ only in case the first stays; a name holding
// wildcard characters may remove others that it matches.
void RemoveDuplicates(std::vector<std::string>& items);

}  // namespace sonorix
