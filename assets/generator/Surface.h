// Relief and brightness fields of a rocky or icy body on an equirectangular grid: craters with
// rims, central peaks, ejecta and rays are stamped onto it, and the relief is turned into a
// soft top-lit shading so craters read at a glance on a sphere lit only per vertex.
#pragma once

#include <cstdint>
#include <vector>

#include "Image.h"
#include "Noise.h"
#include "Random.h"

namespace assets::gen {

struct TCrater {
  TVec3 Centre;            // unit vector
  float Radius = 0.01f;    // angular radius of the rim, radians
  float Depth = 0.0f;      // bowl depth below the surroundings (height units are radians)
  float Rim = 0.0f;        // rim height
  float Peak = 0.0f;       // central peak height
  float FloorFlat = 0.0f;  // 0 bowl-shaped .. 0.6 wide flat floor
  float Bright = 0.0f;     // brightness change of floor and ejecta (+ fresh ice, - dark)
  float Rays = 0.0f;       // strength of bright rays
  float RayLength = 4.0f;  // reach of the rays in crater radii
  std::uint32_t Seed = 0;
};

class TSurface {
 public:
  explicit TSurface(int width, int height);

  const TSphereGrid& Grid() const { return FGrid; }
  int Width() const { return FGrid.Width(); }
  int Height() const { return FGrid.Height(); }
  float& HeightAt(int x, int y) { return FHeight[Index(x, y)]; }
  float& BrightAt(int x, int y) { return FBright[Index(x, y)]; }
  float HeightAt(int x, int y) const { return FHeight[Index(x, y)]; }
  float BrightAt(int x, int y) const { return FBright[Index(x, y)]; }

  // Stamps the craters in list order (later ones overprint earlier ones), rows in parallel.
  void StampCraters(const std::vector<TCrater>& craters, const TNoise& noise);
  // Shading factor around 1 from the relief: light from the top of the map (and a little from
  // the left), fading towards the poles where "top" has no direction.
  std::vector<float> Shading(float strength) const;
  // Relief at any direction, interpolated between map pixels.
  float HeightNear(TVec3 direction) const;

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * FGrid.Width() + x; }

  TSphereGrid FGrid;
  std::vector<float> FHeight;
  std::vector<float> FBright;
};

// A population of craters with a power-law size distribution (many small, few large), sorted
// largest first so young small craters overprint old basins.
struct TCraterStyle {
  int Count = 2000;
  float MinRadius = 0.008f;
  float MaxRadius = 0.15f;
  float DepthRatio = 0.16f;  // depth / radius for small craters; big ones get shallower
  float RimRatio = 0.05f;
  float FreshChance = 0.05f;  // share of small craters with bright floors and rays
  float FreshBright = 0.15f;
};
std::vector<TCrater> MakeCraters(TRandom& random, const TCraterStyle& style);
// One crater of the usual shape for its size at a chosen place.
TCrater ShapedCrater(TVec3 centre, float radius, float depthRatio, float rimRatio,
                     std::uint32_t seed);

}  // namespace assets::gen
