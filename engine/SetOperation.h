// The three operations that combine two user-defined sets ("|", "&", "-" in
// a set definition) or two wordlists ("/Y n=a|b", "&", "-").
#pragma once

namespace qora {

enum class SetOperation { Union, Intersection, Difference };

}  // namespace qora
