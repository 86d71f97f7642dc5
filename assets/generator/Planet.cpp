// Orvane: a softly coloured banded gas giant. The colour is a function of latitude (belts and
// zones), looked up at a latitude disturbed by stretched, warped noise so band edges curl into
// eddies; a few oval storms swirl the flow around them, and a hexagonal jet rings one pole.
#include <array>
#include <vector>

#include "Noise.h"
#include "Parallel.h"
#include "Random.h"
#include "Textures.h"

namespace assets::gen {
namespace {

constexpr int ProfileSize = 4096;

struct TStorm {
  float Latitude, Longitude;  // centre
  float A, B;                 // half-axes in radians (east-west, north-south)
  float Spin;                 // swirl at the centre, radians
  TColor Color;
  float Opacity;
};

// Colour of each latitude band, in sRGB, sampled over -pi/2 .. pi/2.
struct TBandProfile {
  std::vector<TColor> Color;
  std::vector<float> Edge;  // 0 inside a band .. 1 at a sharp band edge

  TColor ColorAt(float latitude) const { return Color[IndexOf(latitude)]; }
  float EdgeAt(float latitude) const { return Edge[IndexOf(latitude)]; }
  static int IndexOf(float latitude) {
    const int i = static_cast<int>((latitude + Pi / 2) / Pi * ProfileSize);
    return std::clamp(i, 0, ProfileSize - 1);
  }
};

TBandProfile MakeBands(TRandom& random, const TNoise& noise) {
  TBandProfile profile;
  profile.Color.resize(ProfileSize);
  profile.Edge.assign(ProfileSize, 0.0f);
  const TColor cream = Hex(0xEADCB8), gold = Hex(0xD9BD88), tan = Hex(0xBF9A66),
               brown = Hex(0xA57E52), polar = Hex(0x8E9C9E), polarDeep = Hex(0x6F8088);
  // Bands: alternating light zones and darker belts of random width, narrower towards the
  // poles; the two hemispheres differ.
  struct TBand {
    float Lo, Hi, Tone, Soft;
  };
  std::vector<TBand> bands;
  float lat = -Pi / 2;
  bool belt = false;
  while (lat < Pi / 2) {
    const float broad = random.Uniform() < 0.25 ? 2.2f : 1.0f;
    const float width = broad * random.Range(0.025f, 0.09f) * (0.5f + 0.5f * std::cos(lat));
    const float tone = belt ? random.Range(0.15f, 0.85f) : random.Range(-0.5f, -0.05f);
    bands.push_back({lat, lat + width, tone, random.Range(0.15f, 0.45f)});
    lat += width;
    belt = !belt;
  }
  for (int i = 0; i < ProfileSize; ++i) {
    const float phi = -Pi / 2 + Pi * (static_cast<float>(i) + 0.5f) / ProfileSize;
    const float a = std::fabs(phi);
    // Broad gradient: bright equator, golden mid-latitudes, cool grey-blue polar caps.
    TColor base = Lerp(cream, gold, SmoothStep(0.05f, 0.7f, a));
    base = Lerp(base, polar, SmoothStep(0.9f, 1.35f, a));
    base = Lerp(base, polarDeep, SmoothStep(1.38f, 1.55f, a));
    float tone = 0, edge = 0;
    for (const TBand& b : bands) {
      const float width = b.Hi - b.Lo, soft = b.Soft * width;
      const float inside = SmoothStep(b.Lo - soft, b.Lo + soft, phi) *
                           (1.0f - SmoothStep(b.Hi - soft, b.Hi + soft, phi));
      tone += b.Tone * inside;
      const float dEdge = std::min(std::fabs(phi - b.Lo), std::fabs(phi - b.Hi));
      edge = std::max(edge, std::exp(-dEdge * dEdge / (2 * soft * soft)) * (1.0f - b.Soft));
    }
    // The equatorial zone is the brightest part; belts darken less near the poles.
    tone *= 1.0f - 0.5f * SmoothStep(1.0f, 1.4f, a);
    tone -= 0.5f * (1.0f - SmoothStep(0.0f, 0.12f, a));
    TColor c = tone > 0
                   ? Lerp(base, Lerp(tan, brown, Clamp01(tone - 0.5f) * 2), Clamp01(tone) * 0.8f)
                   : Lerp(base, Hex(0xF4ECD2), Clamp01(-tone) * 0.6f);
    // Fine striations within the bands.
    const float fine = noise.Fbm({phi * 60.0f, 3.7f, 1.3f}, 3);
    c = c * (1.0f + 0.045f * fine);
    profile.Color[i] = c;
    profile.Edge[i] = edge;
  }
  return profile;
}

std::vector<TStorm> MakeStorms(TRandom& random) {
  std::vector<TStorm> storms;
  // A large pale oval in the southern mid-latitudes and a brown one further south.
  storms.push_back({0.58f, random.Range(0.5f, 1.2f), 0.15f, 0.058f, 2.4f, Hex(0xF3EAD2), 0.85f});
  storms.push_back({0.92f, random.Range(3.6f, 4.4f), 0.085f, 0.04f, -2.0f, Hex(0x9C6E48), 0.75f});
  // A string of small white spots and a few loose ones.
  const float pearlLon = random.Range(2.0f, 2.6f);
  for (int i = 0; i < 5; ++i) {
    storms.push_back({-0.72f + random.Range(-0.01f, 0.01f),
                      pearlLon + 0.2f * i + random.Range(-0.03f, 0.03f), 0.032f, 0.018f, 2.2f,
                      Hex(0xF6F0E0), 0.8f});
  }
  storms.push_back({-0.33f, random.Range(4.8f, 5.6f), 0.07f, 0.03f, -2.3f, Hex(0xEFE4C8), 0.7f});
  storms.push_back({0.25f, random.Range(2.8f, 3.3f), 0.05f, 0.022f, 2.0f, Hex(0xB48A5C), 0.6f});
  return storms;
}

}  // namespace

TImage MakePlanet(std::uint64_t seed) {
  TRandom random(seed);
  const TNoise noise(random.Next()), detail(random.Next());
  const TBandProfile bands = MakeBands(random, noise);
  const std::vector<TStorm> storms = MakeStorms(random);
  const float hexTurn = random.Range(0.0f, Pi / 3);
  TImage image(BodyWidth, BodyHeight);
  const TSphereGrid grid(BodyWidth, BodyHeight);
  ParallelFor(
      BodyHeight,
      [&](int y) {
        for (int x = 0; x < BodyWidth; ++x) {
          float lat = grid.Latitude(y), lon = grid.Longitude(x);
          TVec3 p = grid.Dir(x, y);
          // Storms: rotate the flow around each oval's centre; remember the oval's own colour.
          TColor stormColor{};
          float stormMask = 0, collar = 0;
          for (const TStorm& s : storms) {
            const float cs = std::cos(s.Latitude);
            const float dx = WrapAngle(lon - s.Longitude) * cs / s.A, dy = (lat - s.Latitude) / s.B;
            const float e2 = dx * dx + dy * dy;
            if (e2 > 9.0f) continue;
            const float turn = s.Spin * std::exp(-e2 * 0.9f);
            const float c = std::cos(turn), sn = std::sin(turn);
            const float rx = c * dx - sn * dy, ry = sn * dx + c * dy;
            lon = s.Longitude + rx * s.A / cs;
            lat = s.Latitude + ry * s.B;
            p = TSphereGrid::DirOf(lat, lon);
            const float e = std::sqrt(e2);
            const float body =
                (1.0f - SmoothStep(0.65f, 1.05f, e + 0.12f * noise.Sample(p * 40.0f))) * s.Opacity;
            if (body > stormMask) {
              stormMask = body;
              // Pale cores with a faint spiral texture.
              stormColor = s.Color * (0.96f + 0.06f * noise.Sample({rx * 3.0f, ry * 3.0f, 7.0f}));
            }
            collar = std::max(collar, std::exp(-(e - 1.15f) * (e - 1.15f) / 0.03f) * s.Opacity);
          }
          // Polar hexagon: near the top pole the bands follow a six-sided jet.
          float lookupLat = lat;
          if (lat < -1.15f) {
            const float rho = Pi / 2 + lat;  // angular distance from the top pole
            const float sector = std::fmod(lon + hexTurn + TwoPi, Pi / 3) - Pi / 6;
            const float hexRho = rho * std::cos(sector) / std::cos(Pi / 6);
            const float w = 1.0f - SmoothStep(0.3f, 0.42f, rho);
            lookupLat = -Pi / 2 + Lerp(rho, hexRho, w);
          }
          // Turbulence, stretched east-west and warped, strongest at the band edges.
          const TVec3 q{p.X * 2.6f, p.Y * 11.0f, p.Z * 2.6f};
          const TVec3 warp = noise.Fbm3(q * 0.8f + TVec3{3.1f, 0, 0}, 3);
          const TVec3 qw = q + warp * 1.4f;
          const float edge = bands.EdgeAt(lookupLat);
          const float polar = SmoothStep(1.2f, 1.45f, std::fabs(lat));
          float shift = 0.022f * noise.Fbm(qw, 5) * (1.0f - 0.7f * polar);
          shift += edge * 0.03f * detail.Fbm(qw * 2.4f, 4);
          // Small curls along the edges (shear eddies): a second, finer warp.
          const TVec3 eddyPoint = TVec3{p.X * 12.0f, p.Y * 34.0f, p.Z * 12.0f} + warp * 4.0f;
          const TVec3 eddyWarp = detail.Fbm3(eddyPoint * 0.5f, 2);
          shift += (0.3f + edge) * 0.012f * detail.Fbm(eddyPoint + eddyWarp * 2.5f, 3);
          TColor color = bands.ColorAt(lookupLat + shift);
          // Bands are not uniform along their length: broad patches of lighter and darker cloud.
          const float patches = noise.Fbm(TVec3{p.X * 3.0f, p.Y * 6.0f, p.Z * 3.0f} + warp, 4);
          color = color * (1.0f + 0.07f * patches + 0.025f * detail.Fbm(qw * 6.0f, 3));
          color = Lerp(color, color * Hex(0xC8B8A0), collar * 0.5f);
          color = Lerp(color, stormColor, stormMask);
          image.Put(x, y, color);
        }
      },
      4);
  return image;
}

}  // namespace assets::gen
