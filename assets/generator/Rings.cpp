// The ring image: square, straight (not premultiplied) RGBA, everything a function of the
// radius r of a pixel's centre from the image centre. Alpha carries the rings' shape: a
// faint inner ring, the broad bright middle ring, a wide dark division in the outer third, the
// outer ring with two narrow gaps, a clear lane at 1000..1001 and a faint narrow outer band.
#include <vector>

#include "Noise.h"
#include "Parallel.h"
#include "Random.h"
#include "Textures.h"

namespace assets::gen {
namespace {

struct TRingSample {
  float Alpha;  // 0..255 before rounding
  TColor Color;
};

// A narrow darker division: alpha pulled down to `floorAlpha` over `width` pixels.
float Division(float r, float centre, float width, float depth) {
  const float d = (r - centre) / (0.5f * width);
  return 1.0f - depth * std::exp(-d * d * d * d);
}

TRingSample RingAt(double radius, const TNoise& noise) {
  // The band test uses the exact (double) radius; the smooth profile does not need it.
  const int band = static_cast<int>(std::floor(radius));
  const float r = static_cast<float>(radius);
  if (band < RingsInnerEdge || (band > RingsOuterEdge && band < FaintBandInner) ||
      band > FaintBandOuter) {
    return {0, {}};
  }
  // Ringlets: fine radial structure at several scales.
  const float fine = noise.Fbm({r * 0.35f, 0.5f, 0.25f}, 5, 2.1f, 0.6f);
  const float micro = noise.Sample({r * 1.7f, 3.5f, 1.5f});
  if (band >= FaintBandInner) {
    // Faint outer band: a narrow brighter core with a diffuse sheath.
    const float core = std::exp(-(r - 1011.5f) * (r - 1011.5f) / 6.0f);
    const float alpha =
        std::min(static_cast<float>(FaintBandMaxAlpha), 12.0f + 40.0f * core + 3.0f * micro);
    return {alpha, Hex(0xB4A690) * (0.95f + 0.1f * core)};
  }
  const float C0 = 539, C1 = 667, B1 = 857, Cassini1 = 891, A1 = 1000;
  float alpha;
  TColor color;
  if (r < C1) {
    // Inner ring: thin, grey-brown, rising slowly outwards, with many plateaus.
    const float t = (r - C0) / (C1 - C0);
    alpha = 66.0f + 20.0f * t + 9.0f * fine + 4.0f * micro;
    alpha *= Division(r, 560.5f, 2.5f, 0.55f) * Division(r, 641.0f, 4.0f, 0.6f) *
             Division(r, 612.0f, 2.0f, 0.3f);
    color = Lerp(Hex(0x857566), Hex(0x9C8A74), t);
  } else if (r < B1) {
    // Middle ring: dense and bright; its inner part ramps up from the inner ring.
    const float t = (r - C1) / (B1 - C1);
    const float ramp = SmoothStep(0.0f, 0.18f, t);
    alpha = Lerp(95.0f, 170.0f, ramp) + 20.0f * fine * ramp + 6.0f * micro;
    // Broad darker and brighter sub-bands inside.
    alpha += 8.0f * std::sin(t * 17.0f + 1.3f) * ramp;
    alpha *= Division(r, 700.0f, 3.0f, 0.25f) * Division(r, 792.0f, 2.0f, 0.22f);
    color = Lerp(Hex(0xBFA47E), Hex(0xE3CFA9), ramp);
    color = Lerp(color, Hex(0xD8BF97), SmoothStep(0.75f, 1.0f, t));
  } else if (r < Cassini1) {
    // The wide division: nearly clear, with two faint ringlets.
    const float t = (r - B1) / (Cassini1 - B1);
    alpha = 16.0f + 6.0f * fine + 10.0f * std::exp(-(t - 0.55f) * (t - 0.55f) / 0.004f) +
            8.0f * std::exp(-(t - 0.8f) * (t - 0.8f) / 0.002f);
    alpha *= 1.0f - 0.7f * std::exp(-(r - 859.0f) * (r - 859.0f) / 3.0f);  // gap at the inner edge
    color = Hex(0x75675A);
  } else {
    // Outer ring: moderately dense, with a gap near its outer edge and one very close to it.
    const float t = (r - Cassini1) / (A1 - Cassini1);
    alpha = 128.0f + 14.0f * t - 18.0f * SmoothStep(0.85f, 1.0f, t) + 10.0f * fine + 4.0f * micro;
    alpha *= Division(r, 975.0f, 3.5f, 0.9f) * Division(r, 994.5f, 1.5f, 0.6f);
    color = Lerp(Hex(0xC4AE8E), Hex(0xB9A385), t);
  }
  alpha = std::clamp(alpha, 0.0f, static_cast<float>(RingsMaxAlpha));
  // Ringlets show in the colour too: denser ringlets look a little brighter.
  color = color * (0.9f + 0.1f * Clamp01(alpha / 160.0f) + 0.08f * fine);
  return {alpha, color};
}

}  // namespace

TImage MakeRings(std::uint64_t seed) {
  const TNoise noise(TRandom(seed).Next());
  const std::size_t count = static_cast<std::size_t>(RingsSize) * RingsSize;
  std::vector<TRingSample> samples(count);
  std::vector<bool> mainRings(count);
  const double c = RingsSize / 2.0;
  ParallelFor(
      RingsSize,
      [&](int y) {
        for (int x = 0; x < RingsSize; ++x) {
          const double dx = x + 0.5 - c, dy = y + 0.5 - c;
          const double r = std::sqrt(dx * dx + dy * dy);
          const std::size_t i = static_cast<std::size_t>(y) * RingsSize + x;
          samples[i] = RingAt(r, noise);
          mainRings[i] = r < RingsOuterEdge + 1;
        }
      },
      16);
  // The densest ringlet is stretched to exactly the highest alpha the layout allows.
  float peak = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (mainRings[i]) peak = std::max(peak, samples[i].Alpha);
  }
  const float stretch = peak > 0 ? static_cast<float>(RingsMaxAlpha) / peak : 1.0f;
  TImage image(RingsSize, RingsSize);
  ParallelFor(
      RingsSize,
      [&](int y) {
        for (int x = 0; x < RingsSize; ++x) {
          const std::size_t i = static_cast<std::size_t>(y) * RingsSize + x;
          const TRingSample& s = samples[i];
          const float scaled = mainRings[i]
                                   ? std::min(s.Alpha * stretch, static_cast<float>(RingsMaxAlpha))
                                   : s.Alpha;
          const int alpha = static_cast<int>(std::lround(scaled));
          std::uint8_t* p = image.Row(y) + x * 4;
          if (alpha == 0) {
            p[0] = p[1] = p[2] = p[3] = 0;  // clear pixels carry no colour
            continue;
          }
          image.Put(x, y, s.Color);
          p[3] = static_cast<std::uint8_t>(alpha);
        }
      },
      16);
  return image;
}

}  // namespace assets::gen
