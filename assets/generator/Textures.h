// The picture generators. Each is a pure function of its seed: the same seed always gives
// the same pixels, whatever the number of worker threads.
#pragma once

#include <cstdint>

#include "Image.h"

namespace assets::gen {

inline constexpr int BodyWidth = 2048;
inline constexpr int BodyHeight = 1024;
inline constexpr int SkyWidth = 6000;
inline constexpr int SkyHeight = 3000;
inline constexpr int RingsSize = 2048;
inline constexpr int AboutWidth = 438;
inline constexpr int AboutHeight = 280;

enum class TMoon { Mimas, Enceladus, Tethys, Dione, Rhea, Titan, Iapetus };

TImage MakePlanet(std::uint64_t seed);
TImage MakeMoon(TMoon moon, std::uint64_t seed);
TImage MakeSky(std::uint64_t seed);
TImage MakeRings(std::uint64_t seed);

// Ring image layout, in pixels from the image centre (a pixel's radius is the distance of its
// centre (x + 0.5, y + 0.5) from (1024, 1024)); a pixel belongs to ring radius floor(r).
inline constexpr int RingsInnerEdge = 539;   // first ring radius with material
inline constexpr int RingsOuterEdge = 999;   // last radius of the main rings
inline constexpr int FaintBandInner = 1002;  // faint outer band, up to the image edge
inline constexpr int FaintBandOuter = 1023;
inline constexpr int RingsMaxAlpha = 189;
inline constexpr int FaintBandMaxAlpha = 46;

// A rendered view of the ringed planet with two moons on a starry background (opaque), and
// the program icon (the planet with its rings on a transparent background).
struct TSceneMaps {
  const TImage* Planet;
  const TImage* Rings;
  const TImage* Titan;
  const TImage* Enceladus;
};
TImage MakeAboutPicture(const TSceneMaps& maps, std::uint64_t seed);
TImage MakeIcon(const TSceneMaps& maps, int size);

}  // namespace assets::gen
