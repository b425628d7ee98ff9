// The platform's case-insensitive text order, used by sorted list and combo boxes.
#pragma once

#include <string_view>

namespace win {

// Negative, zero or positive as a sorts before, with or after b. Case is ignored; punctuation sorts
// before digits and digits before letters, character by character, so "112" < "64". As in a word
// sort, hyphens and apostrophes only count when the texts are otherwise equal ("co-op" next to "coop").
int CompareTextNoCase(std::string_view a, std::string_view b);

// True when text begins with prefix, ignoring case (the list boxes' find-by-prefix rule).
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace win
