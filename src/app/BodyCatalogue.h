// The eight bodies the viewer knows: their names and the values the information texts show.
//
// A body is known by its index alone, 1 (the planet) to 8 (the outermost moon).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace app {

constexpr int BodyCount = 8;

// The name shown for body `index` (1 to 8).
std::string_view BodyName(int index);

// The captions of the information texts, one per line.
extern const std::string BodyCaptions;

// The values of body `index` (1 to 8), one per line in the order of the captions.
std::string BodyEntry(int index);

}  // namespace app
