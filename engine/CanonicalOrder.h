// Canonical orderings: the order in which the tiles of a random rack ("/.")
// or the letters of an output word ("/;") are written. An ordering is display
// text: every tile of the language once (either case; Spanish double tiles as
// two letters of one case), separators (blanks and "+"), and in a random-rack
// ordering one "?" for the blank tile.
#pragma once

#include <string>
#include <string_view>

namespace qora {

// Arranges `tiles` (tile bytes of the active language in either case, and
// "?" for blank tiles) in the order of `ordering`, writing the ordering's
// separators where they stand. Tiles that the ordering does not name follow
// at the end in their own order. An empty ordering leaves the tiles as they
// are.
std::string ArrangeInOrdering(std::string_view tiles, std::string_view ordering);

}  // namespace qora
