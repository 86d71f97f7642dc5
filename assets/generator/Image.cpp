#include "Image.h"

namespace assets::gen {

TColor TImage::Sample(float u, float v, bool wrapU, float* alpha) const {
  const float fx = u * FWidth - 0.5f, fy = v * FHeight - 0.5f;
  const float x0f = std::floor(fx), y0f = std::floor(fy);
  const float tx = fx - x0f, ty = fy - y0f;
  auto col = [&](int x) {
    if (wrapU) return ((x % FWidth) + FWidth) % FWidth;
    return std::clamp(x, 0, FWidth - 1);
  };
  const int x0 = col(static_cast<int>(x0f)), x1 = col(static_cast<int>(x0f) + 1);
  const int y0 = std::clamp(static_cast<int>(y0f), 0, FHeight - 1);
  const int y1 = std::clamp(static_cast<int>(y0f) + 1, 0, FHeight - 1);
  float acc[4] = {0, 0, 0, 0};
  const int xs[2] = {x0, x1}, ys[2] = {y0, y1};
  const float wx[2] = {1 - tx, tx}, wy[2] = {1 - ty, ty};
  for (int j = 0; j < 2; ++j) {
    for (int i = 0; i < 2; ++i) {
      const std::uint8_t* p = Row(ys[j]) + xs[i] * 4;
      const float w = wx[i] * wy[j];
      for (int c = 0; c < 4; ++c)
        acc[c] += w * p[c];
    }
  }
  if (alpha) *alpha = acc[3] / 255.0f;
  return {acc[0] / 255.0f, acc[1] / 255.0f, acc[2] / 255.0f};
}

TSphereGrid::TSphereGrid(int width, int height)
    : FWidth(width),
      FHeight(height),
      FLat(height),
      FLon(width),
      FCosLat(height),
      FSinLat(height),
      FCosLon(width),
      FSinLon(width) {
  for (int y = 0; y < height; ++y) {
    FLat[y] = -Pi / 2 + Pi * (static_cast<float>(y) + 0.5f) / static_cast<float>(height);
    FCosLat[y] = std::cos(FLat[y]);
    FSinLat[y] = std::sin(FLat[y]);
  }
  for (int x = 0; x < width; ++x) {
    FLon[x] = TwoPi * (static_cast<float>(x) + 0.5f) / static_cast<float>(width);
    FCosLon[x] = std::cos(FLon[x]);
    FSinLon[x] = std::sin(FLon[x]);
  }
}

float TSphereGrid::ColumnOf(float longitude) const {
  return longitude / TwoPi * static_cast<float>(FWidth) - 0.5f;
}

float TSphereGrid::RowOf(float latitude) const {
  return (latitude + Pi / 2) / Pi * static_cast<float>(FHeight) - 0.5f;
}

}  // namespace assets::gen
