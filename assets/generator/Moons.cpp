// The seven moons. Each starts from a gently rolling relief, gets its own crater population
// and landmarks (a giant crater, a canyon, fractures, streaks, a dark hemisphere), and is
// painted from relief, brightness and position. Directions on a moon: u = 0.5 (the map's
// centre column, local -X) faces the planet, u = 0.25 (local +Z) is the leading hemisphere of
// the orbit and u = 0.75 (local -Z) the trailing one; the top row is the pole at local -Y.
#include <algorithm>
#include <functional>

#include "Noise.h"
#include "Parallel.h"
#include "Random.h"
#include "Surface.h"
#include "Textures.h"

namespace assets::gen {
namespace {

const TVec3 Leading{0, 0, 1};
const TVec3 Trailing{0, 0, -1};

TVec3 At(float latitudeDeg, float longitudeDeg) {
  return TSphereGrid::DirOf(latitudeDeg * Pi / 180, longitudeDeg * Pi / 180);
}

void AddRollingRelief(TSurface& s, const TNoise& noise, float amount) {
  ParallelFor(s.Height(), [&](int y) {
    for (int x = 0; x < s.Width(); ++x) {
      const TVec3 p = s.Grid().Dir(x, y);
      s.HeightAt(x, y) += amount * (noise.Fbm(p * 3.0f, 6) + 0.5f * noise.Ridged(p * 6.0f, 3));
    }
  });
}

// Splits a crater list into those above and below a radius, both still largest first.
std::pair<std::vector<TCrater>, std::vector<TCrater>> SplitAt(const std::vector<TCrater>& all,
                                                              float radius) {
  std::vector<TCrater> big, small;
  for (const TCrater& c : all)
    (c.Radius >= radius ? big : small).push_back(c);
  return {big, small};
}

using TPaint = std::function<TColor(int x, int y, TVec3 p, float height, float bright)>;

TImage Paint(const TSurface& s, float shadeStrength, const TPaint& paint) {
  const std::vector<float> shade = s.Shading(shadeStrength);
  TImage image(s.Width(), s.Height());
  ParallelFor(s.Height(), [&](int y) {
    for (int x = 0; x < s.Width(); ++x) {
      const TVec3 p = s.Grid().Dir(x, y);
      const TColor c = paint(x, y, p, s.HeightAt(x, y), s.BrightAt(x, y));
      image.Put(x, y, c * shade[static_cast<std::size_t>(y) * s.Width() + x]);
    }
  });
  return image;
}

// Bright streaks (fresh ice on fault cliffs), 0..1: long, braided, roughly parallel lines
// across `axis`, drawn as contour lines of a field that grows along the axis and is bent by
// noise, and broken into segments of different strength.
float Wisps(TVec3 p, TVec3 axis, const TNoise& noise, float lines, float width) {
  const TVec3 warp = noise.Fbm3(p * 1.2f, 3) * 0.22f;
  const float field = (Dot(p + warp, axis) + 0.12f * noise.Fbm(p * 3.0f, 4)) * lines;
  const float toLine = std::fabs(field - std::round(field));
  const float line = std::exp(-toLine * toLine / (width * width));
  // Thinner companion fractures beside the main ones.
  const float fineField = field * 2.7f + 0.6f * noise.Fbm(p * 5.0f + TVec3{3, 1, 4}, 3);
  const float toFine = std::fabs(fineField - std::round(fineField));
  const float fineLine = std::exp(-toFine * toFine / (0.4f * width * width));
  const float segments = SmoothStep(-0.3f, 0.25f, noise.Fbm(p * 2.2f + TVec3{9, 9, 9}, 4));
  const float fineSegments = SmoothStep(0.05f, 0.4f, noise.Fbm(p * 4.0f + TVec3{5, 2, 8}, 3));
  return Clamp01(line * segments + 0.45f * fineLine * fineSegments);
}

TImage MakeMimas(std::uint64_t seed) {
  TRandom random(seed);
  const TNoise noise(random.Next());
  TSurface s(BodyWidth, BodyHeight);
  AddRollingRelief(s, noise, 0.012f);
  TCraterStyle style;
  style.Count = 7000;
  style.MinRadius = 0.006f;
  style.MaxRadius = 0.2f;
  style.DepthRatio = 0.22f;
  style.RimRatio = 0.07f;
  style.FreshChance = 0.02f;
  style.FreshBright = 0.08f;
  auto [big, small] = SplitAt(MakeCraters(random, style), 0.03f);
  // The giant crater: a third of the moon across, with a tall central peak, on the leading
  // hemisphere.
  TCrater giant = ShapedCrater(At(8, 95), 0.42f, 0.17f, 0.05f, 77);
  giant.Peak = giant.Depth * 0.8f;
  giant.FloorFlat = 0.35f;
  big.push_back(giant);
  s.StampCraters(big, noise);
  s.StampCraters(small, noise);
  return Paint(s, 1.6f, [&](int, int, TVec3 p, float h, float bright) {
    const float albedo =
        0.62f + 0.06f * noise.Fbm(p * 2.0f + TVec3{4, 4, 4}, 4) + 0.9f * h + bright;
    return Hex(0x9E9A94) * (albedo / 0.62f);
  });
}

TImage MakeEnceladus(std::uint64_t seed) {
  TRandom random(seed);
  const TNoise noise(random.Next()), cracks(random.Next());
  TSurface s(BodyWidth, BodyHeight);
  AddRollingRelief(s, noise, 0.006f);
  TCraterStyle style;
  style.Count = 4000;
  style.MinRadius = 0.006f;
  style.MaxRadius = 0.07f;
  style.DepthRatio = 0.12f;
  style.RimRatio = 0.04f;
  style.FreshChance = 0.0f;
  // Old cratered plains in the upper half; young smooth plains towards the bottom pole.
  std::vector<TCrater> craters;
  for (const TCrater& c : MakeCraters(random, style)) {
    const float keep =
        1.0f - SmoothStep(-0.25f, 0.35f, c.Centre.Y + 0.25f * noise.Sample(c.Centre * 2.0f));
    if (random.Uniform() < keep) craters.push_back(c);
  }
  s.StampCraters(craters, noise);
  // Tiger stripes: four long parallel fractures around the bottom pole.
  const float stripeTurn = 0.6f;
  std::vector<float> stripes(static_cast<std::size_t>(BodyWidth) * BodyHeight, 0.0f);
  ParallelFor(BodyHeight, [&](int y) {
    for (int x = 0; x < BodyWidth; ++x) {
      const TVec3 p = s.Grid().Dir(x, y);
      float stripe = 0;
      if (p.Y > 0.75f) {
        const float along = p.X * std::cos(stripeTurn) + p.Z * std::sin(stripeTurn);
        const float across0 = -p.X * std::sin(stripeTurn) + p.Z * std::cos(stripeTurn);
        for (int k = 0; k < 4; ++k) {
          const float across =
              across0 - (static_cast<float>(k) - 1.5f) * 0.13f -
              0.025f * cracks.Fbm({along * 5.0f, static_cast<float>(k) * 3.1f, 1.0f}, 3);
          const float reach = 0.42f - 0.06f * std::fabs(static_cast<float>(k) - 1.5f);
          const float taper = 1.0f - SmoothStep(reach * 0.7f, reach, std::fabs(along + 0.03f * k));
          stripe = std::max(stripe, std::exp(-across * across / 0.00018f) * taper);
        }
      }
      stripes[static_cast<std::size_t>(y) * BodyWidth + x] = stripe;
      s.HeightAt(x, y) -= 0.006f * stripe;
    }
  });
  return Paint(s, 1.4f, [&](int x, int y, TVec3 p, float h, float) {
    // Fractures everywhere, bluer and denser towards the bottom pole.
    const float south = SmoothStep(0.2f, 0.9f, p.Y);
    const float fracture =
        std::pow(1.0f - std::fabs(cracks.Fbm(p * 3.0f, 5)), 40.0f) * (0.25f + 0.75f * south);
    const float ridges = std::pow(cracks.Ridged(p * 9.0f, 3), 3.0f) * (0.2f + 0.8f * south);
    const float stripe = stripes[static_cast<std::size_t>(y) * BodyWidth + x];
    TColor c = Hex(0xF4F6F6) * (1.0f + 0.035f * noise.Fbm(p * 5.0f, 4) + 0.6f * h);
    c = Lerp(c, Hex(0xA9CBDD), Clamp01(0.8f * fracture + 0.25f * ridges + 0.12f * south));
    c = Lerp(c, Hex(0x7FA8C4), stripe * 0.85f);
    return c;
  });
}

TImage MakeTethys(std::uint64_t seed) {
  TRandom random(seed);
  const TNoise noise(random.Next());
  TSurface s(BodyWidth, BodyHeight);
  AddRollingRelief(s, noise, 0.01f);
  TCraterStyle style;
  style.Count = 6000;
  style.MinRadius = 0.006f;
  style.MaxRadius = 0.16f;
  style.DepthRatio = 0.2f;
  style.RimRatio = 0.06f;
  style.FreshChance = 0.015f;
  style.FreshBright = 0.08f;
  auto [big, small] = SplitAt(MakeCraters(random, style), 0.025f);
  // An old, shallow giant crater on the leading hemisphere...
  const TVec3 giantCentre = At(-30, 120);
  TCrater giant = ShapedCrater(giantCentre, 0.38f, 0.11f, 0.04f, 11);
  giant.FloorFlat = 0.55f;
  big.insert(big.begin(), giant);
  s.StampCraters(big, noise);
  // ...and a great canyon running three quarters of the way round the moon, on the great
  // circle at right angles to the crater's centre.
  const TVec3 e1 = Normalize(Cross(giantCentre, TVec3{0, 1, 0}));
  const TVec3 e2 = Cross(giantCentre, e1);
  ParallelFor(BodyHeight, [&](int y) {
    for (int x = 0; x < BodyWidth; ++x) {
      const TVec3 p = s.Grid().Dir(x, y);
      const float angle = std::atan2(Dot(p, e2), Dot(p, e1));
      const float span =
          1.0f - SmoothStep(0.72f * Pi, 0.8f * Pi, std::fabs(WrapAngle(angle - 0.5f)));
      if (span <= 0) continue;
      const float offset = Dot(p, giantCentre) + 0.025f * noise.Fbm(p * 7.0f, 4);
      const float halfWidth = 0.1f * (0.8f + 0.2f * noise.Sample(p * 3.0f + TVec3{2, 2, 2}));
      const float d = std::fabs(offset) / halfWidth;
      // Flat floor, steep terraced walls, raised flanks.
      const float floor = 1.0f - SmoothStep(0.35f, 1.0f, d + 0.1f * noise.Fbm(p * 30.0f, 3));
      const float flank = std::exp(-(d - 1.2f) * (d - 1.2f) / 0.08f);
      s.HeightAt(x, y) += span * (-0.016f * floor + 0.005f * flank);
    }
  });
  s.StampCraters(small, noise);
  return Paint(s, 1.5f, [&](int, int, TVec3 p, float h, float bright) {
    const float albedo = 1.0f + 0.05f * noise.Fbm(p * 2.5f, 5) + 0.8f * h + bright;
    // The leading side is a touch brighter (a faint equatorial band of fresh ice).
    const float band =
        0.06f * std::exp(-p.Y * p.Y / 0.05f) * SmoothStep(-0.2f, 0.8f, Dot(p, Leading));
    return Hex(0xC2BDB4) * (albedo + band);
  });
}

TImage MakeStreakedMoon(std::uint64_t seed, bool rhea) {
  TRandom random(seed);
  const TNoise noise(random.Next()), streaks(random.Next());
  TSurface s(BodyWidth, BodyHeight);
  AddRollingRelief(s, noise, 0.01f);
  TCraterStyle style;
  style.Count = rhea ? 6500 : 4500;
  style.MinRadius = 0.006f;
  style.MaxRadius = rhea ? 0.2f : 0.15f;
  style.DepthRatio = 0.2f;
  style.RimRatio = 0.06f;
  style.FreshChance = 0.03f;
  style.FreshBright = 0.12f;
  std::vector<TCrater> craters = MakeCraters(random, style);
  if (rhea) {
    // A young crater with long bright rays on the leading hemisphere.
    TCrater young = ShapedCrater(At(-14, 105), 0.045f, 0.2f, 0.07f, 5);
    young.Bright = 0.3f;
    young.Rays = 0.7f;
    young.RayLength = 9.0f;
    craters.push_back(young);
  }
  s.StampCraters(craters, noise);
  const TColor base = rhea ? Hex(0xADAAA5) : Hex(0x9F9C97);
  return Paint(s, 1.5f, [&](int, int, TVec3 p, float h, float bright) {
    const float trailing =
        SmoothStep(-0.15f, 0.55f, Dot(p, Trailing) + 0.15f * noise.Fbm(p * 2.0f, 3));
    float albedo = 1.0f + 0.06f * noise.Fbm(p * 2.2f, 5) + 0.8f * h + bright;
    // The trailing hemisphere is darker, crossed by bright wispy streaks.
    albedo *= 1.0f - (rhea ? 0.12f : 0.22f) * trailing;
    // Streaks run roughly from pole to pole, a little slanted.
    const TVec3 axis = rhea ? Normalize({0.55f, 0.25f, 0.3f}) : Normalize({0.6f, -0.2f, 0.2f});
    const float wisp = Wisps(p, axis, streaks, rhea ? 7.0f : 5.0f, rhea ? 0.07f : 0.09f) * trailing;
    TColor c = base * albedo;
    return Lerp(c, Hex(0xF2F4F6), wisp * 0.85f);
  });
}

TImage MakeTitan(std::uint64_t seed) {
  TRandom random(seed);
  const TNoise noise(random.Next());
  TImage image(BodyWidth, BodyHeight);
  const TSphereGrid grid(BodyWidth, BodyHeight);
  ParallelFor(BodyHeight, [&](int y) {
    const float lat = grid.Latitude(y);
    for (int x = 0; x < BodyWidth; ++x) {
      const TVec3 p = grid.Dir(x, y);
      // Thick orange haze: faint latitude bands and a darker hood over the top pole.
      const float wobble = 0.03f * noise.Fbm(TVec3{p.X * 2, p.Y * 6, p.Z * 2}, 4);
      const float bands = 0.5f + 0.5f * std::sin((lat + wobble) * 9.0f + 0.7f);
      TColor c = Lerp(Hex(0xD9A24F), Hex(0xCB8E3F), bands * 0.55f);
      c = Lerp(c, Hex(0xE4B468), SmoothStep(0.3f, 1.2f, lat) * 0.5f);
      c = Lerp(c, Hex(0x9C6A35), SmoothStep(-0.9f, -1.35f, lat + wobble) * 0.75f);
      // The haze hides the ground; only a faint, broad mottling of the clouds shows.
      c = c * (1.0f + 0.025f * noise.Fbm(p * 1.3f + TVec3{3, 1, 2}, 3) +
               0.008f * noise.Fbm(p * 6.0f, 2));
      image.Put(x, y, c);
    }
  });
  return image;
}

TImage MakeIapetus(std::uint64_t seed) {
  TRandom random(seed);
  const TNoise noise(random.Next());
  TSurface s(BodyWidth, BodyHeight);
  AddRollingRelief(s, noise, 0.012f);
  TCraterStyle style;
  style.Count = 5000;
  style.MinRadius = 0.006f;
  style.MaxRadius = 0.22f;
  style.DepthRatio = 0.2f;
  style.RimRatio = 0.06f;
  style.FreshChance = 0.0f;
  s.StampCraters(MakeCraters(random, style), noise);
  // The equatorial ridge: a narrow mountain chain along the equator of the dark side.
  ParallelFor(BodyHeight, [&](int y) {
    for (int x = 0; x < BodyWidth; ++x) {
      const TVec3 p = s.Grid().Dir(x, y);
      const float along = SmoothStep(-0.2f, 0.5f, Dot(p, Leading));
      const float breaks = SmoothStep(-0.2f, 0.2f, noise.Fbm(p * 9.0f, 3));
      const float d = (p.Y + 0.006f * noise.Sample(p * 20.0f)) / 0.02f;
      s.HeightAt(x, y) += 0.01f * std::exp(-d * d) * along * breaks;
    }
  });
  return Paint(s, 1.5f, [&](int, int, TVec3 p, float h, float) {
    // Dark reddish-brown leading hemisphere, bright trailing side and poles, with a mottled,
    // patchy boundary between them.
    const float lat = std::asin(std::clamp(p.Y, -1.0f, 1.0f));
    const float lon = std::atan2(Dot(p, TVec3{-1, 0, 0}), Dot(p, Leading));
    const float e = std::sqrt(lon * lon / (2.2f * 2.2f) + lat * lat / (1.1f * 1.1f));
    const TVec3 bend = noise.Fbm3(p * 1.5f + TVec3{4, 4, 4}, 3) * 0.35f;
    const float edge = 0.3f * noise.Fbm(p * 2.0f + bend, 6) + 0.12f * noise.Fbm(p * 9.0f, 4);
    // Towards the boundary the dark material breaks into spots and streaks.
    const float spots = SmoothStep(0.1f, 0.35f, noise.Fbm(p * 9.0f + TVec3{1, 5, 2}, 4));
    const float core = 1.0f - SmoothStep(0.72f, 0.8f, e + edge);
    const float fringe = (1.0f - SmoothStep(0.85f, 1.0f, e + edge)) * spots;
    const float dark = std::max(core, fringe);
    const float albedoNoise = 0.06f * noise.Fbm(p * 4.0f + TVec3{7, 7, 7}, 4);
    const TColor bright = Hex(0xDCD4C4) * (1.0f + albedoNoise + 0.6f * h);
    const float darkTone = noise.Fbm(p * 2.5f + TVec3{2, 9, 4}, 4);
    const TColor darkSide = Lerp(Hex(0x34241A), Hex(0x4E3624), SmoothStep(-0.3f, 0.3f, darkTone)) *
                            (1.0f + 2.0f * albedoNoise + 0.8f * h);
    return Lerp(bright, darkSide, dark);
  });
}

}  // namespace

TImage MakeMoon(TMoon moon, std::uint64_t seed) {
  switch (moon) {
    case TMoon::Mimas:
      return MakeMimas(seed);
    case TMoon::Enceladus:
      return MakeEnceladus(seed);
    case TMoon::Tethys:
      return MakeTethys(seed);
    case TMoon::Dione:
      return MakeStreakedMoon(seed, false);
    case TMoon::Rhea:
      return MakeStreakedMoon(seed, true);
    case TMoon::Titan:
      return MakeTitan(seed);
    case TMoon::Iapetus:
      return MakeIapetus(seed);
  }
  return {};
}

}  // namespace assets::gen
