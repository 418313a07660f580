// The head every chat line starts with, built from the current style.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace sonorix {

inline constexpr std::string_view kNarrowFaceTag = R"(><font  face="arial narrow">)";
inline constexpr std::string_view kCondensedFaceTag = R"(><font  face="abadi mt condensed light">)";

std::string NarrowHead(const Style& style);
std::string NarrowHeadCapital(const Style& style);
std::string CondensedHead(const Style& style);

// A head followed by the accented label: most lines start this way.
std::string ChatLine(const Style& style, std::string_view label);
std::string NarrowCapitalLine(const Style& style, std::string_view label);
std::string CondensedLine(const Style& style, std::string_view label);

}  // namespace sonorix
