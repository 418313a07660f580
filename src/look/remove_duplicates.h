// Cleaning the preset and style lists of names that repeat.
#pragma once

#include <string>
#include <vector>

namespace sonorix {

// Of names that differ only in case the first stays, in its place.
void RemoveDuplicates(std::vector<std::string>& items);

}  // namespace sonorix
