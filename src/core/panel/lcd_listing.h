#pragma once
// The program listing as the edit screen reads it: one entry per "." in the
// listing, named by the two characters before it, so the file 01.zan shows
// as "%01". The scan relies on names of two digits and ".zan"; other names
// show whatever two characters stand before each point.

#include <string>
#include <string_view>
#include <vector>

namespace zan {

// The entries in listing order, each "%" and two characters.
std::vector<std::string> ListingEntries(std::string_view listing);

// The listing's first two characters: the number of the first program found
// (empty when the store is empty).
std::string FirstProgram(std::string_view listing);

}  // namespace zan
