// A small ray tracer for the About picture and the program icon: the textured planet with
// its rings (which cast shadows on it and receive its shadow), a couple of moons and stars.
// Distances are in planet radii; the render frame has +Y up.
#include <array>
#include <vector>

#include "Parallel.h"
#include "Random.h"
#include "Textures.h"

namespace assets::gen {
namespace {

constexpr float RingOuter = 2.2f;  // ring image edge in planet radii (22 / 10 units)

// An orthonormal frame of a textured sphere; maps a direction to its map's u and v.
struct TGlobe {
  TVec3 Centre;
  float Radius;
  TVec3 East, North;  // map u = 0 direction and the pole of the map's top row
  const TImage* Map;

  TColor ColorAt(TVec3 normal) const {
    // Map frame: X = East, Y = -North (the top row is at -Y), Z = X x Y.
    const TVec3 y = North * -1.0f, z = Cross(East, y);
    const float mx = Dot(normal, East), my = Dot(normal, y), mz = Dot(normal, z);
    float lon = std::atan2(mz, mx);
    if (lon < 0) lon += TwoPi;
    const float lat = std::asin(std::clamp(my, -1.0f, 1.0f));
    return SrgbToLinear(Map->Sample(lon / TwoPi, (lat + Pi / 2) / Pi, true));
  }
};

bool HitSphere(TVec3 o, TVec3 d, TVec3 centre, float radius, float* t) {
  const TVec3 oc = o - centre;
  const float b = Dot(oc, d), c = Dot(oc, oc) - radius * radius;
  const float disc = b * b - c;
  if (disc < 0) return false;
  const float t0 = -b - std::sqrt(disc);
  if (t0 <= 1e-4f) return false;
  *t = t0;
  return true;
}

// The ring image reduced to its radial profile (premultiplied linear colour and alpha).
class TRingProfile {
 public:
  explicit TRingProfile(const TImage& rings) {
    const int half = rings.Width() / 2;
    FColor.resize(half);
    FAlpha.resize(half);
    const std::uint8_t* row = rings.Row(rings.Height() / 2);
    for (int i = 0; i < half; ++i) {
      const std::uint8_t* p = row + (half + i) * 4;
      const float a = p[3] / 255.0f;
      FAlpha[i] = a;
      FColor[i] = SrgbToLinear(TColor{p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f}) * a;
    }
  }
  // r in planet radii; returns premultiplied colour, alpha in *alpha.
  TColor At(float r, float* alpha) const {
    const float f = r / RingOuter * static_cast<float>(FAlpha.size()) - 0.5f;
    const int i = static_cast<int>(std::floor(f));
    if (i < 0 || i + 1 >= static_cast<int>(FAlpha.size())) {
      *alpha = 0;
      return {};
    }
    const float t = f - static_cast<float>(i);
    *alpha = Lerp(FAlpha[i], FAlpha[i + 1], t);
    return Lerp(FColor[i], FColor[i + 1], t);
  }

 private:
  std::vector<TColor> FColor;
  std::vector<float> FAlpha;
};

struct TRenderScene {
  TGlobe Planet;
  std::vector<TGlobe> Moons;
  const TRingProfile* Rings;
  TVec3 Light;          // towards the light
  float RingBoost = 1;  // alpha gain for small renders
  float Ambient = 0.015f;
};

// Premultiplied linear colour and coverage of one ray.
struct TSample {
  TColor Color;
  float Alpha;
};

TSample Trace(const TRenderScene& s, TVec3 o, TVec3 d) {
  const TVec3 n = s.Planet.North;
  float tOpaque = 1e30f;
  const TGlobe* hit = nullptr;
  float t;
  if (HitSphere(o, d, s.Planet.Centre, s.Planet.Radius, &t)) {
    tOpaque = t;
    hit = &s.Planet;
  }
  for (const TGlobe& m : s.Moons) {
    if (HitSphere(o, d, m.Centre, m.Radius, &t) && t < tOpaque) {
      tOpaque = t;
      hit = &m;
    }
  }
  TSample out{{}, 0};
  if (hit) {
    const TVec3 p = o + d * tOpaque;
    const TVec3 normal = Normalize(p - hit->Centre);
    float light = std::max(0.0f, (Dot(normal, s.Light) + 0.04f) / 1.04f);
    if (hit == &s.Planet) {
      // Shadow of the rings on the planet.
      const float denom = Dot(s.Light, n);
      if (std::fabs(denom) > 1e-4f) {
        const float ts = -Dot(p, n) / denom;
        if (ts > 0) {
          float a;
          s.Rings->At(Length(p + s.Light * ts), &a);
          light *= 1.0f - 0.85f * a;
        }
      }
    }
    // Slight darkening towards the limb.
    const float view = std::max(0.0f, -Dot(normal, d));
    const float limb = 0.7f + 0.3f * std::sqrt(view);
    out.Color = hit->ColorAt(normal) * (s.Ambient + 1.05f * light * limb);
    out.Alpha = 1;
  }
  // Rings in front of whatever was hit (or of the background).
  const float denom = Dot(d, n);
  if (std::fabs(denom) > 1e-6f) {
    const float tr = -Dot(o - s.Planet.Centre, n) / denom;
    if (tr > 0 && tr < tOpaque) {
      const TVec3 p = o + d * tr;
      float a;
      TColor c = s.Rings->At(Length(p - s.Planet.Centre), &a);
      if (a > 0) {
        const float boost = std::min(1.0f / a, s.RingBoost);
        a *= boost;
        c = c * boost;
        // Lit face brighter; in the planet's shadow almost dark.
        float lit = 0.35f + 0.75f * std::fabs(Dot(s.Light, n));
        float ts;
        if (HitSphere(p, s.Light, s.Planet.Centre, s.Planet.Radius, &ts)) lit *= 0.06f;
        out.Color = c * lit + out.Color * (1 - a);
        out.Alpha = a + out.Alpha * (1 - a);
      }
    }
  }
  return out;
}

struct TCamera {
  TVec3 Eye, Forward, Right, Up;
  float TanHalf;  // tan of half the vertical field of view
  int Width, Height;

  static TCamera LookAt(TVec3 eye, TVec3 target, float fovDeg, int width, int height) {
    TCamera c;
    c.Eye = eye;
    c.Forward = Normalize(target - eye);
    c.Right = Normalize(Cross(c.Forward, TVec3{0, 1, 0}));
    c.Up = Cross(c.Right, c.Forward);
    c.TanHalf = std::tan(fovDeg * Pi / 360);
    c.Width = width;
    c.Height = height;
    return c;
  }
  TVec3 Ray(float px, float py) const {
    const float aspect = static_cast<float>(Width) / static_cast<float>(Height);
    const float sx = (2 * px / static_cast<float>(Width) - 1) * TanHalf * aspect;
    const float sy = (1 - 2 * py / static_cast<float>(Height)) * TanHalf;
    return Normalize(Forward + Right * sx + Up * sy);
  }
};

// Renders with n x n samples per pixel; returns premultiplied linear colour and coverage.
std::vector<TSample> Render(const TRenderScene& scene, const TCamera& cam, int n) {
  std::vector<TSample> pixels(static_cast<std::size_t>(cam.Width) * cam.Height);
  ParallelFor(
      cam.Height,
      [&](int y) {
        for (int x = 0; x < cam.Width; ++x) {
          TSample acc{{}, 0};
          for (int j = 0; j < n; ++j) {
            for (int i = 0; i < n; ++i) {
              const TSample s =
                  Trace(scene, cam.Eye, cam.Ray(x + (i + 0.5f) / n, y + (j + 0.5f) / n));
              acc.Color = acc.Color + s.Color;
              acc.Alpha += s.Alpha;
            }
          }
          const float k = 1.0f / static_cast<float>(n * n);
          pixels[static_cast<std::size_t>(y) * cam.Width + x] = {acc.Color * k, acc.Alpha * k};
        }
      },
      4);
  return pixels;
}

TGlobe PlanetGlobe(const TImage* map, TVec3 north, float spin) {
  const TVec3 helper = Normalize(Cross(north, TVec3{0, 0, 1}));
  const TVec3 other = Cross(helper, north);
  return {{0, 0, 0}, 1.0f, helper * std::cos(spin) + other * std::sin(spin), north, map};
}

}  // namespace

TImage MakeAboutPicture(const TSceneMaps& maps, std::uint64_t seed) {
  const TRingProfile rings(*maps.Rings);
  TRenderScene scene;
  const float tilt = 0.47f;  // the planet's pole leans towards the viewer and to the right
  scene.Planet =
      PlanetGlobe(maps.Planet, Normalize({0.32f, std::cos(tilt), std::sin(tilt) * 0.55f}), 0.9f);
  scene.Rings = &rings;
  scene.Light = Normalize({-0.75f, 0.35f, 0.75f});
  TGlobe titan{{3.05f, 0.55f, 2.2f}, 0.26f, {1, 0, 0}, {0, 1, 0}, maps.Titan};
  TGlobe enceladus{{-2.6f, -0.55f, 2.9f}, 0.085f, {0, 0, 1}, {0, 1, 0}, maps.Enceladus};
  scene.Moons = {titan, enceladus};
  const TCamera cam =
      TCamera::LookAt({0.0f, 0.5f, 9.5f}, {0.25f, 0.0f, 0.0f}, 33.0f, AboutWidth, AboutHeight);
  const std::vector<TSample> pixels = Render(scene, cam, 4);
  // Background: a faint bluish glow and stars, behind everything the scene covers.
  TRandom random(seed);
  std::vector<TColor> sky(pixels.size());
  for (int i = 0; i < 600; ++i) {
    const float x = random.Range(0, AboutWidth), y = random.Range(0, AboutHeight);
    // Many faint stars, a few bright ones: magnitude counts rising 2.5-fold per step.
    const float mag =
        6.0f + std::log10(0.0003f + 0.9997f * static_cast<float>(random.Uniform())) / 0.4f;
    const float energy = 1.6f * std::pow(10.0f, -0.4f * mag);
    const float t = static_cast<float>(random.Uniform());
    const TColor tint = t < 0.25f ? TColor{0.75f, 0.84f, 1.0f}
                                  : (t < 0.75f ? TColor{1, 1, 1} : TColor{1.0f, 0.86f, 0.68f});
    for (int py = std::max(0, static_cast<int>(y) - 3);
         py <= std::min(AboutHeight - 1, static_cast<int>(y) + 3); ++py) {
      for (int px = std::max(0, static_cast<int>(x) - 3);
           px <= std::min(AboutWidth - 1, static_cast<int>(x) + 3); ++px) {
        const float dx = px + 0.5f - x, dy = py + 0.5f - y;
        const float v = std::exp(-(dx * dx + dy * dy) / 0.8f) * energy;
        sky[static_cast<std::size_t>(py) * AboutWidth + px] =
            sky[static_cast<std::size_t>(py) * AboutWidth + px] + tint * v;
      }
    }
  }
  TImage image(AboutWidth, AboutHeight);
  for (int y = 0; y < AboutHeight; ++y) {
    for (int x = 0; x < AboutWidth; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * AboutWidth + x;
      const float gx = (x - AboutWidth * 0.3f) / AboutWidth,
                  gy = (y - AboutHeight * 0.45f) / AboutHeight;
      const TColor glow = TColor{0.012f, 0.016f, 0.03f} * std::exp(-(gx * gx + gy * gy) * 4.0f);
      const TColor behind = sky[i] + glow;
      const TColor c = pixels[i].Color + behind * (1 - pixels[i].Alpha);
      image.Put(
          x, y,
          LinearToSrgb(TColor{std::min(c.R, 1.0f), std::min(c.G, 1.0f), std::min(c.B, 1.0f)}));
    }
  }
  return image;
}

TImage MakeIcon(const TSceneMaps& maps, int size) {
  const TRingProfile rings(*maps.Rings);
  TRenderScene scene;
  scene.Planet = PlanetGlobe(maps.Planet, Normalize({0.22f, 1.0f, 0.18f}), 0.4f);
  scene.Rings = &rings;
  scene.Light = Normalize({-0.6f, 0.45f, 0.8f});
  // Small icons need bolder rings and a brighter night side to stay legible.
  scene.RingBoost = size <= 32 ? 1.9f : 1.45f;
  scene.Ambient = size <= 32 ? 0.12f : 0.05f;
  const TCamera cam = TCamera::LookAt({0.0f, 5.2f, 8.4f}, {0, 0, 0}, 27.0f, size, size);
  const int samples = std::max(4, 128 / size);
  const std::vector<TSample> pixels = Render(scene, cam, samples);
  TImage image(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const TSample& s = pixels[static_cast<std::size_t>(y) * size + x];
      if (s.Alpha <= 0) {
        std::uint8_t* p = image.Row(y) + x * 4;
        p[0] = p[1] = p[2] = p[3] = 0;
        continue;
      }
      const TColor c = s.Color * (1.0f / s.Alpha);
      image.Put(x, y,
                LinearToSrgb(TColor{std::min(c.R, 1.0f), std::min(c.G, 1.0f), std::min(c.B, 1.0f)}),
                s.Alpha);
    }
  }
  return image;
}

}  // namespace assets::gen
