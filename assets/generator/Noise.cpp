#include "Noise.h"

#include <cmath>

#include "Random.h"

namespace assets::gen {
namespace {

inline float Fade(float t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

inline float Grad(int hash, float x, float y, float z) {
  // The twelve edge directions of a cube (plus four repeats), as in improved gradient noise.
  switch (hash & 15) {
    case 0:
      return x + y;
    case 1:
      return -x + y;
    case 2:
      return x - y;
    case 3:
      return -x - y;
    case 4:
      return x + z;
    case 5:
      return -x + z;
    case 6:
      return x - z;
    case 7:
      return -x - z;
    case 8:
      return y + z;
    case 9:
      return -y + z;
    case 10:
      return y - z;
    case 11:
      return -y - z;
    case 12:
      return x + y;
    case 13:
      return -x + y;
    case 14:
      return -y + z;
    default:
      return -y - z;
  }
}

// Rotation applied between octaves (an arbitrary orthonormal matrix with no axis alignment).
inline TVec3 OctaveTurn(TVec3 p) {
  return {0.7337f * p.X - 0.3937f * p.Y + 0.5538f * p.Z,
          0.5536f * p.X + 0.8186f * p.Y - 0.1530f * p.Z,
          -0.3930f * p.X + 0.4182f * p.Y + 0.8188f * p.Z};
}

}  // namespace

TNoise::TNoise(std::uint64_t seed) {
  TRandom random(seed);
  std::array<std::uint8_t, 256> p{};
  for (int i = 0; i < 256; ++i)
    p[i] = static_cast<std::uint8_t>(i);
  for (int i = 255; i > 0; --i) {
    const int j = static_cast<int>(random.Next() % static_cast<std::uint64_t>(i + 1));
    std::swap(p[i], p[j]);
  }
  for (int i = 0; i < 512; ++i)
    FPerm[i] = p[i & 255];
}

float TNoise::Sample(TVec3 p) const {
  const float fx = std::floor(p.X), fy = std::floor(p.Y), fz = std::floor(p.Z);
  const int X = static_cast<int>(fx) & 255, Y = static_cast<int>(fy) & 255,
            Z = static_cast<int>(fz) & 255;
  const float x = p.X - fx, y = p.Y - fy, z = p.Z - fz;
  const float u = Fade(x), v = Fade(y), w = Fade(z);
  const int A = FPerm[X] + Y, AA = FPerm[A] + Z, AB = FPerm[A + 1] + Z;
  const int B = FPerm[X + 1] + Y, BA = FPerm[B] + Z, BB = FPerm[B + 1] + Z;
  const float x1 = Lerp(Grad(FPerm[AA], x, y, z), Grad(FPerm[BA], x - 1, y, z), u);
  const float x2 = Lerp(Grad(FPerm[AB], x, y - 1, z), Grad(FPerm[BB], x - 1, y - 1, z), u);
  const float x3 = Lerp(Grad(FPerm[AA + 1], x, y, z - 1), Grad(FPerm[BA + 1], x - 1, y, z - 1), u);
  const float x4 =
      Lerp(Grad(FPerm[AB + 1], x, y - 1, z - 1), Grad(FPerm[BB + 1], x - 1, y - 1, z - 1), u);
  return Lerp(Lerp(x1, x2, v), Lerp(x3, x4, v), w);
}

float TNoise::Fbm(TVec3 p, int octaves, float lacunarity, float gain) const {
  float sum = 0, amplitude = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * Sample(p);
    norm += amplitude;
    amplitude *= gain;
    p = OctaveTurn(p) * lacunarity + TVec3{17.31f, -5.17f, 9.73f};
  }
  return sum / norm;
}

float TNoise::Ridged(TVec3 p, int octaves, float lacunarity, float gain) const {
  float sum = 0, amplitude = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    const float r = 1.0f - std::fabs(Sample(p));
    sum += amplitude * r * r;
    norm += amplitude;
    amplitude *= gain;
    p = OctaveTurn(p) * lacunarity + TVec3{-11.7f, 3.9f, 23.1f};
  }
  return sum / norm;
}

TVec3 TNoise::Fbm3(TVec3 p, int octaves) const {
  return {Fbm(p, octaves), Fbm(p + TVec3{31.4f, 7.7f, -13.1f}, octaves),
          Fbm(p + TVec3{-19.9f, 27.3f, 5.3f}, octaves)};
}

}  // namespace assets::gen
