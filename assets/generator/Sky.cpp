// The star-field sky: black, with stars whose counts grow about 2.6-fold per magnitude (a
// few bright ones, very many faint ones) in blue-white to orange tints, and a faint band of
// the galaxy with a brighter bulge, star clouds and dark dust lanes. Light is added up in
// linear units and encoded to sRGB at the end, so faint glows fall off naturally.
#include <vector>

#include "Noise.h"
#include "Parallel.h"
#include "Random.h"
#include "Textures.h"

namespace assets::gen {
namespace {

struct TGalaxy {
  TVec3 Pole;    // normal of the galactic plane
  TVec3 Centre;  // direction of the bulge, in the plane
};

// Glow of the galactic band (linear RGB) and the density of faint stars (0..1).
TColor BandGlow(TVec3 p, const TGalaxy& g, const TNoise& noise, const TNoise& dust,
                float* density) {
  const float b = std::asin(std::clamp(Dot(p, g.Pole), -1.0f, 1.0f));
  *density = 0;
  if (std::fabs(b) > 0.55f) return {};
  const float toCentre = std::acos(std::clamp(Dot(p, g.Centre), -1.0f, 1.0f));
  const float bulge = std::exp(-toCentre * toCentre / 0.35f);
  const float thickness = 0.11f + 0.1f * bulge;
  const float warpB = b + 0.03f * noise.Fbm(p * 3.0f, 3);
  float glow = std::exp(-warpB * warpB / (2 * thickness * thickness));
  // Clumpy star clouds.
  const float clouds = Clamp01(0.5f + 0.8f * noise.Fbm(p * 4.0f + TVec3{2, 7, 1}, 6));
  glow *= clouds * clouds *
          (0.4f + 0.6f * (1.0f - std::exp(-toCentre * toCentre / 3.0f)) + 2.2f * bulge);
  *density = Clamp01(glow * 1.4f);
  // Dark lanes: a central rift along the plane plus filaments around it.
  const TVec3 warp = dust.Fbm3(p * 4.0f, 3) * 0.25f;
  const float riftB = b - 0.025f * dust.Fbm(p * 2.5f, 4);
  const float rift =
      std::exp(-riftB * riftB / 0.0008f) * SmoothStep(-0.2f, 0.2f, dust.Fbm(p * 5.0f + warp, 4));
  const float filaments =
      std::pow(dust.Ridged(p * 6.0f + warp, 5), 4.0f) * std::exp(-b * b / (2 * 0.12f * 0.12f));
  const float absorb = Clamp01(0.75f * rift + 0.9f * filaments);
  glow *= 1.0f - absorb;
  // Warm bulge, bluish-white disc, reddened where dust thins the light.
  TColor tint = Lerp(TColor{0.78f, 0.84f, 1.0f}, TColor{1.0f, 0.88f, 0.72f}, bulge);
  tint = Lerp(tint, TColor{1.0f, 0.8f, 0.65f}, absorb * 0.5f);
  return tint * (0.04f * glow);
}

TColor StarTint(TRandom& random) {
  const float t = static_cast<float>(random.Uniform());
  if (t < 0.18f) return {0.72f, 0.82f, 1.0f};  // hot blue-white
  if (t < 0.48f) return {0.92f, 0.95f, 1.0f};  // white
  if (t < 0.72f) return {1.0f, 0.96f, 0.88f};  // yellow-white
  if (t < 0.9f) return {1.0f, 0.87f, 0.7f};    // yellow
  return {1.0f, 0.74f, 0.52f};                 // orange
}

}  // namespace

TImage MakeSky(std::uint64_t seed) {
  TRandom random(seed);
  const TNoise noise(random.Next()), dust(random.Next());
  TGalaxy galaxy;
  galaxy.Pole = Normalize({0.42f, 0.62f, -0.66f});
  galaxy.Centre = Normalize(Cross(galaxy.Pole, {0.3f, 0.1f, 1.0f}));
  const int w = SkyWidth, h = SkyHeight;
  const TSphereGrid grid(w, h);
  // The band is smooth on the scale of a pixel: it is computed at half resolution and
  // interpolated, which saves three quarters of the noise work.
  const int hw = w / 2, hh = h / 2;
  const TSphereGrid halfGrid(hw, hh);
  std::vector<TColor> glow(static_cast<std::size_t>(hw) * hh);
  std::vector<float> glowDensity(glow.size());
  ParallelFor(
      hh,
      [&](int y) {
        for (int x = 0; x < hw; ++x) {
          const std::size_t i = static_cast<std::size_t>(y) * hw + x;
          glow[i] = BandGlow(halfGrid.Dir(x, y), galaxy, noise, dust, &glowDensity[i]);
        }
      },
      8);
  std::vector<TColor> light(static_cast<std::size_t>(w) * h);
  std::vector<float> density(light.size());
  ParallelFor(
      h,
      [&](int y) {
        const float fy = std::clamp((static_cast<float>(y) + 0.5f) / 2 - 0.5f, 0.0f, hh - 1.0f);
        const int y0 = static_cast<int>(fy), y1 = std::min(y0 + 1, hh - 1);
        const float ty = fy - static_cast<float>(y0);
        for (int x = 0; x < w; ++x) {
          const float fx = (static_cast<float>(x) + 0.5f) / 2 - 0.5f;
          const int xf = static_cast<int>(std::floor(fx));
          const float tx = fx - static_cast<float>(xf);
          const int x0 = (xf + hw) % hw, x1 = (xf + 1) % hw;  // wraps across the seam
          const auto at = [&](int xx, int yy) { return static_cast<std::size_t>(yy) * hw + xx; };
          const std::size_t i = static_cast<std::size_t>(y) * w + x;
          light[i] = Lerp(Lerp(glow[at(x0, y0)], glow[at(x1, y0)], tx),
                          Lerp(glow[at(x0, y1)], glow[at(x1, y1)], tx), ty);
          density[i] = Lerp(Lerp(glowDensity[at(x0, y0)], glowDensity[at(x1, y0)], tx),
                            Lerp(glowDensity[at(x0, y1)], glowDensity[at(x1, y1)], tx), ty);
        }
      },
      16);
  // Stars: magnitudes from -1 to 10 with N(<m) ~ 10^(0.42 m); about a third more faint stars
  // crowd into the band.
  const float pixelAngle = TwoPi / static_cast<float>(w);
  constexpr float MagBright = -1.0f, MagFaint = 10.0f, Slope = 0.42f;
  const float floorShare = std::pow(10.0f, -Slope * (MagFaint - MagBright));
  constexpr int Stars = 120000;
  for (int n = 0; n < Stars; ++n) {
    TVec3 p = random.OnSphere();
    if (n % 3 == 0) {
      // Band stars: draw until the band's density accepts the place.
      for (int tries = 0; tries < 30; ++tries) {
        const float lon = std::atan2(p.Z, p.X) + (p.Z < 0 ? TwoPi : 0.0f);
        const int x = std::clamp(static_cast<int>(lon / TwoPi * w), 0, w - 1);
        const int y = std::clamp(static_cast<int>((std::asin(p.Y) + Pi / 2) / Pi * h), 0, h - 1);
        if (random.Uniform() < density[static_cast<std::size_t>(y) * w + x]) break;
        p = random.OnSphere();
      }
    }
    const float u = static_cast<float>(random.Uniform());
    const float mag = MagFaint + std::log10(floorShare + u * (1.0f - floorShare)) / Slope;
    const float energy = 45.0f * std::pow(10.0f, -0.4f * mag);
    const TColor tint = StarTint(random);
    const float lat = std::asin(std::clamp(p.Y, -1.0f, 1.0f));
    float lon = std::atan2(p.Z, p.X);
    if (lon < 0) lon += TwoPi;
    // A sharp core and, for bright stars, a soft halo; sizes in pixels.
    const float core = 0.6f, halo = 2.2f;
    const float haloShare = std::min(0.06f, 0.004f * energy);
    const float reach = energy > 2.0f ? 4.0f * halo : 3.0f * core + 0.5f;
    const float cy = grid.RowOf(lat), cosLat = std::max(std::cos(lat), 1e-3f);
    const int y0 = std::max(0, static_cast<int>(std::floor(cy - reach)));
    const int y1 = std::min(h - 1, static_cast<int>(std::ceil(cy + reach)));
    for (int y = y0; y <= y1; ++y) {
      const float rowCos = std::max(std::cos(grid.Latitude(y)), 1e-3f);
      const float spanX = std::min(static_cast<float>(w) / 2, reach / std::min(rowCos, cosLat));
      const float cx = grid.ColumnOf(lon);
      for (int xi = static_cast<int>(std::floor(cx - spanX));
           xi <= static_cast<int>(std::ceil(cx + spanX)); ++xi) {
        const int x = ((xi % w) + w) % w;
        // Distance on the sphere, in pixels.
        const float dy = (grid.Latitude(y) - lat) / pixelAngle;
        const float dx = WrapAngle(grid.Longitude(x) - lon) * rowCos / pixelAngle;
        const float r2 = dx * dx + dy * dy;
        float v = (1.0f - haloShare) * std::exp(-r2 / (2 * core * core)) / (2 * Pi * core * core);
        v += haloShare * std::exp(-r2 / (2 * halo * halo)) / (2 * Pi * halo * halo);
        light[static_cast<std::size_t>(y) * w + x] =
            light[static_cast<std::size_t>(y) * w + x] + tint * (energy * v);
      }
    }
  }
  TImage image(w, h);
  ParallelFor(
      h,
      [&](int y) {
        for (int x = 0; x < w; ++x) {
          const TColor c = light[static_cast<std::size_t>(y) * w + x];
          // Soft saturation keeps the brightest cores round instead of clipped flat.
          const TColor toned{1.0f - std::exp(-c.R), 1.0f - std::exp(-c.G), 1.0f - std::exp(-c.B)};
          TColor s = LinearToSrgb(toned);
          // Pure black stays black: no dither noise on empty sky.
          if (c.R + c.G + c.B < 1e-5f) s = {};
          image.Put(x, y, s);
        }
      },
      16);
  return image;
}

}  // namespace assets::gen
