// The pieces chat lines are put together from after their head.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace sonorix {

// "<FONT COLOR=#" + the colour + ">": the capital font tag of a colour.
std::string ColourTag(std::string_view colour);
std::string AccentTag(const Style& style);

// The tails " › " + item: underlined and accent-coloured, accent-coloured,
// accented only, or as it stands.
std::string UnderlinedItem(const Style& style, std::string_view item);
std::string ColouredItem(const Style& style, std::string_view item);
std::string PlainItem(std::string_view item);
std::string RawItem(std::string_view item);

// "<accent>first<main>rest": a key word with its first letter set apart.
std::string Initial(const Style& style, std::string_view first, std::string_view rest);

}  // namespace sonorix
