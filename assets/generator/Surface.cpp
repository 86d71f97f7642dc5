#include "Surface.h"

#include <algorithm>

#include "Parallel.h"

namespace assets::gen {
namespace {

struct TCraterFrame {
  const TCrater* Crater;
  TVec3 E1, E2;       // tangent basis at the centre
  float Latitude;     // of the centre
  float Longitude;    // of the centre, 0..2 pi
  float Reach;        // angular reach of everything the crater changes
  float ReachChord2;  // squared chord length of that reach
};

TCraterFrame FrameOf(const TCrater& c) {
  TCraterFrame f{};
  f.Crater = &c;
  const TVec3 helper = std::fabs(c.Centre.Y) < 0.9f ? TVec3{0, 1, 0} : TVec3{1, 0, 0};
  f.E1 = Normalize(Cross(c.Centre, helper));
  f.E2 = Cross(c.Centre, f.E1);
  f.Latitude = std::asin(std::clamp(c.Centre.Y, -1.0f, 1.0f));
  f.Longitude = std::atan2(c.Centre.Z, c.Centre.X);
  if (f.Longitude < 0) f.Longitude += TwoPi;
  const float reachRadii = c.Rays > 0 ? std::max(2.6f, c.RayLength) : 2.6f;
  f.Reach = std::min(Pi, c.Radius * reachRadii);
  const float chord = 2.0f * std::sin(f.Reach / 2);
  f.ReachChord2 = chord * chord;
  return f;
}

// Height profile of a crater at normalised distance d (1 on the rim).
float Profile(const TCrater& c, float d) {
  float h;
  if (d < 1.0f) {
    const float f = c.FloorFlat;
    const float s = d <= f ? 0.0f : (d - f) / (1.0f - f);
    h = -c.Depth * (1.0f - s * s);
    h += c.Rim * std::exp(-((1.0f - d) * (1.0f - d)) / 0.012f);
  } else {
    const float t = (d - 1.0f) / 0.28f;
    h = c.Rim / std::pow(1.0f + t * t, 1.5f);
  }
  if (c.Peak > 0) h += c.Peak * std::exp(-d * d / 0.012f);
  return h;
}

}  // namespace

TSurface::TSurface(int width, int height)
    : FGrid(width, height),
      FHeight(static_cast<std::size_t>(width) * height, 0.0f),
      FBright(static_cast<std::size_t>(width) * height, 0.0f) {}

void TSurface::StampCraters(const std::vector<TCrater>& craters, const TNoise& noise) {
  std::vector<TCraterFrame> frames;
  frames.reserve(craters.size());
  for (const TCrater& c : craters)
    frames.push_back(FrameOf(c));
  const int width = Width();
  ParallelFor(Height(), [&](int y) {
    const float lat = FGrid.Latitude(y);
    const float sinLat = std::sin(lat), cosLat = std::cos(lat);
    for (const TCraterFrame& f : frames) {
      if (std::fabs(lat - f.Latitude) > f.Reach) continue;
      // Longitudes on this row within the reach: cos(reach) <= sin(lat) sin(lat_c) +
      // cos(lat) cos(lat_c) cos(dlon).
      const float denominator = cosLat * std::cos(f.Latitude);
      float halfSpan = Pi;
      if (denominator > 1e-6f) {
        const float q = (std::cos(f.Reach) - sinLat * std::sin(f.Latitude)) / denominator;
        if (q > 1.0f) continue;
        if (q > -1.0f) halfSpan = std::acos(q);
      }
      int x0, x1;
      if (halfSpan >= Pi) {
        x0 = 0;
        x1 = width - 1;
      } else {
        x0 = static_cast<int>(std::floor(FGrid.ColumnOf(f.Longitude - halfSpan))) - 1;
        x1 = static_cast<int>(std::ceil(FGrid.ColumnOf(f.Longitude + halfSpan))) + 1;
        if (x1 - x0 >= width) {
          x0 = 0;
          x1 = width - 1;
        }
      }
      const TCrater& c = *f.Crater;
      for (int xi = x0; xi <= x1; ++xi) {
        const int x = ((xi % width) + width) % width;
        const TVec3 p = FGrid.Dir(x, y);
        const TVec3 delta = p - c.Centre;
        const float chord2 = Dot(delta, delta);
        if (chord2 > f.ReachChord2) continue;
        const float chord = std::sqrt(chord2);
        const float angle = chord * (1.0f + chord2 / 24.0f);
        const float d0 = angle / c.Radius;
        const bool rays = c.Rays > 0 && d0 > 0.8f;
        if (d0 >= 2.5f && !rays) continue;
        const float a = Dot(p, f.E1), b = Dot(p, f.E2);
        const float ab = std::sqrt(a * a + b * b) + 1e-9f;
        const TVec3 around{a / ab * 2.2f, b / ab * 2.2f, static_cast<float>(c.Seed % 997) * 1.37f};
        // Rims are not perfect circles: the radius wanders a little with the azimuth. Far out
        // on the smooth ejecta this no longer shows, so the noise is skipped there.
        const float wander = 1.0f - SmoothStep(1.4f, 1.8f, d0);
        const float radius =
            wander > 0 ? c.Radius * (1.0f + wander * (0.06f * noise.Sample(around) +
                                                      0.025f * noise.Sample(around * 3.1f +
                                                                            TVec3{5.1f, 2.3f, 0})))
                       : c.Radius;
        const float d = angle / radius;
        const std::size_t i = Index(x, y);
        if (d < 2.5f) {
          float& h = FHeight[i];
          // A crater erases most of the older relief inside its rim.
          const float erase = 1.0f - 0.85f * SmoothStep(1.05f, 0.6f, d);
          h = h * erase + Profile(c, d);
          float& bright = FBright[i];
          if (c.Bright != 0) {
            const float blanket = d < 1.0f ? 1.0f : std::exp(-(d - 1.0f) / 0.45f);
            bright = bright * erase + c.Bright * blanket;
          } else {
            bright *= erase;
          }
        }
        if (rays && d > 0.9f) {
          // Bright rays: thin spokes of ejecta, broken up along their length.
          const float spokes = 1.0f - std::fabs(noise.Sample(around * 3.5f + TVec3{0, 0, 41.0f}));
          const float spoke = std::pow(spokes, 6.0f);
          const float clumps = 0.55f + 0.45f * noise.Sample(p * (6.0f / c.Radius));
          const float fade = std::exp(-(d - 1.0f) / (0.35f * c.RayLength)) *
                             SmoothStep(0.9f, 1.3f, d) *
                             SmoothStep(c.RayLength, 0.6f * c.RayLength, d);
          FBright[i] += c.Rays * spoke * clumps * fade;
        }
      }
    }
  });
}

float TSurface::HeightNear(TVec3 direction) const {
  const TVec3 d = Normalize(direction);
  float lon = std::atan2(d.Z, d.X);
  if (lon < 0) lon += TwoPi;
  const float lat = std::asin(std::clamp(d.Y, -1.0f, 1.0f));
  const float fx = FGrid.ColumnOf(lon), fy = std::clamp(FGrid.RowOf(lat), 0.0f, Height() - 1.0f);
  const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(fy);
  const int y1 = std::min(y0 + 1, Height() - 1);
  const float tx = fx - static_cast<float>(x0), ty = fy - static_cast<float>(y0);
  const int w = Width(), xa = (x0 % w + w) % w, xb = (xa + 1) % w;
  return Lerp(Lerp(HeightAt(xa, y0), HeightAt(xb, y0), tx),
              Lerp(HeightAt(xa, y1), HeightAt(xb, y1), tx), ty);
}

std::vector<float> TSurface::Shading(float strength) const {
  const int w = Width(), h = Height();
  std::vector<float> shade(static_cast<std::size_t>(w) * h);
  const float dLat = Pi / static_cast<float>(h), dLon = TwoPi / static_cast<float>(w);
  constexpr int Reach = 3;  // pixels (at the equator) of the cavity term's neighbourhood
  ParallelFor(h, [&](int y) {
    const int yn = std::max(0, y - 1), ys = std::min(h - 1, y + 1);
    // Neighbours `Reach` rows up and down; past a pole the walk continues down the opposite
    // meridian, so the neighbourhood of a polar pixel is symmetric about the pole.
    const auto across = [&](int yy, int x) {
      if (yy < 0) return HeightAt((x + w / 2) % w, -yy - 1);
      if (yy >= h) return HeightAt((x + w / 2) % w, 2 * h - yy - 1);
      return HeightAt(x, yy);
    };
    const float cosLat = std::cos(FGrid.Latitude(y));
    // The light's direction "top-left" has no meaning at a pole: fade it out there and let the
    // direction-free cavity term carry the relief.
    const float directional = SmoothStep(0.0f, 0.45f, cosLat);
    const int xReach = static_cast<int>(std::lround(Reach / std::max(cosLat, 0.5f)));
    for (int x = 0; x < w; ++x) {
      const int xw = (x + w - 1) % w, xe = (x + 1) % w;
      // Slopes rising towards the top (north) and towards the left (west) of the map.
      const float north =
          (HeightAt(x, yn) - HeightAt(x, ys)) / (dLat * static_cast<float>(ys - yn));
      const float west = (HeightAt(xw, y) - HeightAt(xe, y)) / (2 * dLon * std::max(cosLat, 0.02f));
      const float slope = (0.8f * north + 0.45f * west) * directional;
      // Hollows a little darker, crests a little brighter, whatever the direction. Near the
      // poles the map's columns crowd together, so the four neighbours are found on the sphere.
      float around;
      if (cosLat > 0.5f) {
        around = 0.25f * (across(y - Reach, x) + across(y + Reach, x) +
                          HeightAt((x + w - xReach) % w, y) + HeightAt((x + xReach) % w, y));
      } else {
        const TVec3 p = FGrid.Dir(x, y);
        const TVec3 east = Normalize(Cross(TVec3{0, 1, 0}, p));
        const TVec3 north = Cross(east, p);
        const float step = Reach * dLat;
        around = 0.25f * (HeightNear(p + north * step) + HeightNear(p - north * step) +
                          HeightNear(p + east * step) + HeightNear(p - east * step));
      }
      const float cavity = (HeightAt(x, y) - around) / (Reach * dLat);
      const float lit = (1.0f - strength * slope) * (1.0f + 0.6f * strength * cavity);
      shade[Index(x, y)] = std::clamp(lit, 0.3f, 1.5f);
    }
  });
  return shade;
}

TCrater ShapedCrater(TVec3 centre, float radius, float depthRatio, float rimRatio,
                     std::uint32_t seed) {
  TCrater c;
  c.Centre = Normalize(centre);
  c.Radius = radius;
  // Large craters are relatively shallower, with flat floors and central peaks.
  const float size = SmoothStep(0.02f, 0.12f, radius);
  c.Depth = radius * depthRatio * (1.0f - 0.55f * size);
  c.Rim = radius * rimRatio * (1.0f - 0.3f * size);
  c.FloorFlat = 0.55f * size;
  c.Peak = radius > 0.03f ? c.Depth * 0.55f : 0.0f;
  c.Seed = seed;
  return c;
}

std::vector<TCrater> MakeCraters(TRandom& random, const TCraterStyle& style) {
  std::vector<TCrater> craters;
  craters.reserve(style.Count);
  const float k = style.MinRadius * style.MinRadius;
  const float cap = 1.0f / (style.MaxRadius * style.MaxRadius);
  for (int i = 0; i < style.Count; ++i) {
    // Inverse transform of N(>r) ~ r^-2 between MinRadius and MaxRadius.
    const float u = random.Range(0.0f, 1.0f);
    const float inv = 1.0f / k - u * (1.0f / k - cap);
    const float radius = 1.0f / std::sqrt(inv);
    // The smallest craters are softened (partly filled, partly unresolved at map scale).
    const float soften = 0.45f + 0.55f * SmoothStep(style.MinRadius, 4 * style.MinRadius, radius);
    TCrater c = ShapedCrater(
        random.OnSphere(), radius, soften * style.DepthRatio * random.Range(0.7f, 1.2f),
        style.RimRatio * random.Range(0.6f, 1.3f), static_cast<std::uint32_t>(random.Next()));
    if (random.Uniform() < style.FreshChance) {
      c.Bright = style.FreshBright * random.Range(0.5f, 1.0f);
      if (radius > 2.5f * style.MinRadius && random.Uniform() < 0.5) {
        c.Rays = style.FreshBright * random.Range(0.6f, 1.2f);
        c.RayLength = random.Range(3.5f, 7.0f);
      }
    }
    craters.push_back(c);
  }
  std::stable_sort(craters.begin(), craters.end(),
                   [](const TCrater& a, const TCrater& b) { return a.Radius > b.Radius; });
  return craters;
}

}  // namespace assets::gen
