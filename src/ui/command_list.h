// The lines the command list window shows, in the list's sorted order; the
// three choice commands of a song search have none.
#pragma once

#include <string_view>
#include <vector>

namespace sonorix {

const std::vector<std::string_view>& CommandListLines();

}  // namespace sonorix
