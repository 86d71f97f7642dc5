// Decodes the built-in pictures with libpng and checks what the renderer relies on: sizes,
// the stored format, opacity, seamless maps and the ring image's alpha layout.
#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/EmbeddedAssets.h"

namespace assets {
// Test messages name a picture rather than show its bytes.
static void PrintTo(TAssetId id, std::ostream* out) {
  *out << AssetName(id);
}
}  // namespace assets

namespace {

using assets::TAssetId;

struct TDecoded {
  bool Ok = false;
  std::string Error;
  int Width = 0, Height = 0, BitDepth = 0, ColorType = -1, Interlace = -1;
  bool Srgb = false;
  std::vector<std::uint8_t> Rgba;  // as stored: no transformations requested

  const std::uint8_t* Pixel(int x, int y) const {
    return Rgba.data() + (static_cast<std::size_t>(y) * Width + x) * 4;
  }
  int Alpha(int x, int y) const { return Pixel(x, y)[3]; }
};

struct TByteReader {
  std::span<const std::uint8_t> Data;
  std::size_t Offset;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t length) {
  auto* c = static_cast<TByteReader*>(png_get_io_ptr(png));
  if (c->Offset + length > c->Data.size()) png_error(png, "truncated");
  std::memcpy(out, c->Data.data() + c->Offset, length);
  c->Offset += length;
}

void OnError(png_structp png, png_const_charp message) {
  static_cast<TDecoded*>(png_get_error_ptr(png))->Error = message;
  png_longjmp(png, 1);
}

// libpng's error jump must not cross C++ objects, so the calls live in a plain function and
// the caller owns every buffer.
bool ReadPng(png_structp png, png_infop info, TDecoded* out, std::vector<png_bytep>* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  out->Width = static_cast<int>(png_get_image_width(png, info));
  out->Height = static_cast<int>(png_get_image_height(png, info));
  out->BitDepth = png_get_bit_depth(png, info);
  out->ColorType = png_get_color_type(png, info);
  out->Interlace = png_get_interlace_type(png, info);
  int intent = 0;
  out->Srgb = png_get_sRGB(png, info, &intent) != 0;
  if (out->BitDepth != 8 || out->ColorType != PNG_COLOR_TYPE_RGB_ALPHA ||
      out->Interlace != PNG_INTERLACE_NONE) {
    return true;  // the format tests report it; pixels are not needed
  }
  out->Rgba.resize(static_cast<std::size_t>(out->Width) * out->Height * 4);
  rows->resize(out->Height);
  for (int y = 0; y < out->Height; ++y) {
    (*rows)[y] = out->Rgba.data() + static_cast<std::size_t>(y) * out->Width * 4;
  }
  png_read_image(png, rows->data());
  png_read_end(png, nullptr);
  return true;
}

TDecoded Decode(std::span<const std::uint8_t> bytes) {
  TDecoded out;
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
    out.Error = "not a PNG";
    return out;
  }
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &out, OnError, nullptr);
  png_infop info = png_create_info_struct(png);
  TByteReader cursor{bytes, 0};
  png_set_read_fn(png, &cursor, ReadBytes);
  std::vector<png_bytep> rows;
  out.Ok = ReadPng(png, info, &out, &rows);
  png_destroy_read_struct(&png, &info, nullptr);
  return out;
}

// Each picture is decoded once for the whole test program.
const TDecoded& Decoded(TAssetId id) {
  static std::mutex lock;
  static std::map<TAssetId, TDecoded> cache;
  std::lock_guard<std::mutex> guard(lock);
  auto it = cache.find(id);
  if (it == cache.end()) it = cache.emplace(id, Decode(assets::EmbeddedImage(id))).first;
  return it->second;
}

struct TExpected {
  TAssetId Id;
  int Width, Height;
};

const TExpected Expected[] = {
    {TAssetId::Planet, 2048, 1024},    {TAssetId::Mimas, 2048, 1024},
    {TAssetId::Enceladus, 2048, 1024}, {TAssetId::Tethys, 2048, 1024},
    {TAssetId::Dione, 2048, 1024},     {TAssetId::Rhea, 2048, 1024},
    {TAssetId::Titan, 2048, 1024},     {TAssetId::Iapetus, 2048, 1024},
    {TAssetId::Sky, 6000, 3000},       {TAssetId::Rings, 2048, 2048},
    {TAssetId::About, 438, 280},
};

// Which tests a picture takes: the planet's and the moons' maps; every map wrapped around a
// sphere (seamless at u = 0/1); every picture but the rings.
const TAssetId BodyMaps[] = {TAssetId::Planet, TAssetId::Mimas,  TAssetId::Enceladus,
                             TAssetId::Tethys, TAssetId::Dione,  TAssetId::Rhea,
                             TAssetId::Titan,  TAssetId::Iapetus};
const TAssetId SphereMaps[] = {TAssetId::Planet, TAssetId::Mimas,   TAssetId::Enceladus,
                               TAssetId::Tethys, TAssetId::Dione,   TAssetId::Rhea,
                               TAssetId::Titan,  TAssetId::Iapetus, TAssetId::Sky};
const TAssetId OpaquePictures[] = {
    TAssetId::Planet, TAssetId::Mimas, TAssetId::Enceladus, TAssetId::Tethys, TAssetId::Dione,
    TAssetId::Rhea,   TAssetId::Titan, TAssetId::Iapetus,   TAssetId::Sky,    TAssetId::About};

void PrintTo(const TExpected& e, std::ostream* out) {
  *out << assets::AssetName(e.Id);
}

std::string NameOf(const testing::TestParamInfo<TExpected>& info) {
  return assets::AssetName(info.param.Id);
}

std::string NameOfPicture(const testing::TestParamInfo<TAssetId>& info) {
  return assets::AssetName(info.param);
}

class TPicture : public testing::TestWithParam<TExpected> {};

TEST_P(TPicture, IsEightBitRgbaNonInterlacedSrgbAtItsSize) {
  const TExpected& e = GetParam();
  const TDecoded& d = Decoded(e.Id);
  ASSERT_TRUE(d.Ok) << d.Error;
  EXPECT_EQ(d.Width, e.Width);
  EXPECT_EQ(d.Height, e.Height);
  EXPECT_EQ(d.BitDepth, 8);
  EXPECT_EQ(d.ColorType, PNG_COLOR_TYPE_RGB_ALPHA);
  EXPECT_EQ(d.Interlace, PNG_INTERLACE_NONE);
  EXPECT_TRUE(d.Srgb);
}

INSTANTIATE_TEST_SUITE_P(Embedded, TPicture, testing::ValuesIn(Expected), NameOf);

class TOpaquePicture : public testing::TestWithParam<TAssetId> {};

TEST_P(TOpaquePicture, HasNoTranslucentPixel) {
  const TDecoded& d = Decoded(GetParam());
  ASSERT_FALSE(d.Rgba.empty()) << d.Error;
  std::size_t translucent = 0;
  for (std::size_t i = 3; i < d.Rgba.size(); i += 4)
    translucent += d.Rgba[i] != 255;
  EXPECT_EQ(translucent, 0u);
}

INSTANTIATE_TEST_SUITE_P(Embedded, TOpaquePicture, testing::ValuesIn(OpaquePictures),
                         NameOfPicture);

// The left and right columns meet on the sphere: they must differ no more than two
// neighbouring columns anywhere else do.
class TSphereMap : public testing::TestWithParam<TAssetId> {};

TEST_P(TSphereMap, IsSeamlessAtTheEdges) {
  const TDecoded& d = Decoded(GetParam());
  ASSERT_FALSE(d.Rgba.empty()) << d.Error;
  const auto columnGap = [&](int a, int b) {
    double sum = 0;
    for (int y = 0; y < d.Height; ++y) {
      for (int c = 0; c < 3; ++c)
        sum += std::abs(d.Pixel(a, y)[c] - d.Pixel(b, y)[c]);
    }
    return sum / (3.0 * d.Height);
  };
  double interior = 0;
  const int samples[] = {d.Width / 5, d.Width / 3, d.Width / 2, 2 * d.Width / 3, 4 * d.Width / 5};
  for (int x : samples)
    interior += columnGap(x, x + 1);
  interior /= std::size(samples);
  const double seam = columnGap(d.Width - 1, 0);
  EXPECT_LE(seam, 1.5 * interior + 0.5) << "interior neighbour gap " << interior;
  EXPECT_LE(seam, 12.0);
}

INSTANTIATE_TEST_SUITE_P(Embedded, TSphereMap, testing::ValuesIn(SphereMaps), NameOfPicture);

// A map row next to a pole covers a circle about one equator pixel across, so along it the
// colour changes smoothly and far less than along the equator. A map painted in the plane and
// wrapped on the sphere would pinch there: full-detail noise squeezed into that tiny circle.
class TBodyMap : public testing::TestWithParam<TAssetId> {};

TEST_P(TBodyMap, RowsAtThePolesAreSmooth) {
  const TDecoded& d = Decoded(GetParam());
  ASSERT_FALSE(d.Rgba.empty()) << d.Error;
  const auto range = [&](int y) {  // the largest spread of any one channel along the row
    int widest = 0;
    for (int c = 0; c < 3; ++c) {
      int lo = 255, hi = 0;
      for (int x = 0; x < d.Width; ++x) {
        lo = std::min<int>(lo, d.Pixel(x, y)[c]);
        hi = std::max<int>(hi, d.Pixel(x, y)[c]);
      }
      widest = std::max(widest, hi - lo);
    }
    return widest;
  };
  const auto roughness = [&](int y) {
    double sum = 0;
    for (int x = 0; x < d.Width; ++x) {
      for (int c = 0; c < 3; ++c)
        sum += std::abs(d.Pixel(x, y)[c] - d.Pixel((x + 1) % d.Width, y)[c]);
    }
    return sum / (3.0 * d.Width);
  };
  const int equator = d.Height / 2;
  for (int y : {0, d.Height - 1}) {
    SCOPED_TRACE("row " + std::to_string(y));
    EXPECT_LE(range(y), std::max(8.0, 0.4 * range(equator)));
    EXPECT_LE(roughness(y), 1.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Embedded, TBodyMap, testing::ValuesIn(BodyMaps), NameOfPicture);

// --- the ring image ---------------------------------------------------------------------------
// A pixel's ring radius is floor(r), r being the distance of its centre (x + 0.5, y + 0.5) from
// the image centre (1024, 1024).
int RingRadius(int x, int y) {
  const double dx = x + 0.5 - 1024.0, dy = y + 0.5 - 1024.0;
  return static_cast<int>(std::floor(std::sqrt(dx * dx + dy * dy)));
}

constexpr int OuterThirdStart = 539 + (999 - 539 + 1) * 2 / 3;  // 846

// Alpha at each ring radius 0..1100 along one direction (-1 where the walk met no pixel).
std::vector<int> ProfileAlong(const TDecoded& d, double degrees) {
  std::vector<int> profile(1101, -1);
  const double c = std::cos(degrees * std::numbers::pi / 180),
               s = std::sin(degrees * std::numbers::pi / 180);
  for (double t = 0; t < 1100; t += 0.25) {
    const int x = static_cast<int>(std::floor(1024.0 + t * c));
    const int y = static_cast<int>(std::floor(1024.0 + t * s));
    if (x < 0 || y < 0 || x >= d.Width || y >= d.Height) break;
    const int r = RingRadius(x, y);
    if (r <= 1100) profile[r] = d.Alpha(x, y);
  }
  return profile;
}

class TRingRadius : public testing::TestWithParam<double> {};

TEST_P(TRingRadius, AlphaFollowsTheRingLayout) {
  const TDecoded& d = Decoded(TAssetId::Rings);
  ASSERT_FALSE(d.Rgba.empty()) << d.Error;
  const std::vector<int> profile = ProfileAlong(d, GetParam());
  int faintMax = 0, inRange = 0, ringSamples = 0;
  // Runs of alpha below 60 as (first radius, width). A slanted walk skips some radii; a run
  // goes on across a skipped radius.
  std::vector<std::pair<int, int>> divisions;
  int previous = -1;
  for (int r = 0; r <= 1100; ++r) {
    const int a = profile[r];
    if (a < 0) continue;
    const int last = previous;
    previous = r;
    SCOPED_TRACE("radius " + std::to_string(r));
    if (r <= 538 || r == 1000 || r == 1001 || r >= 1024) {
      EXPECT_EQ(a, 0);
    } else if (r >= 1002) {
      EXPECT_LE(a, 46);
      faintMax = std::max(faintMax, a);
    } else {
      EXPECT_GT(a, 0);
      EXPECT_LE(a, 189);
      ++ringSamples;
      inRange += a >= 60 && a <= 188;
      if (a < 60) {
        if (!divisions.empty() && divisions.back().first + divisions.back().second - 1 == last) {
          divisions.back().second = r - divisions.back().first + 1;
        } else {
          divisions.push_back({r, 1});
        }
      }
    }
  }
  EXPECT_GT(faintMax, 20) << "the faint outer band is missing";
  EXPECT_GE(inRange, ringSamples * 3 / 4) << "ring alpha is mostly between 60 and 188";
  // Narrow divisions, and one wide, marked division in the outer third.
  std::string runs;
  for (const auto& [first, width] : divisions)
    runs += " " + std::to_string(first) + "+" + std::to_string(width);
  SCOPED_TRACE("divisions:" + runs);
  ASSERT_GE(divisions.size(), 3u);
  std::sort(divisions.begin(), divisions.end(),
            [](const auto& a, const auto& b) { return a.second > b.second; });
  EXPECT_GE(divisions[0].first, OuterThirdStart);
  EXPECT_GE(divisions[0].second, 2 * divisions[1].second);
  for (std::size_t i = 1; i < divisions.size(); ++i)
    EXPECT_LE(divisions[i].second, 8);
  int widestFloor = 255;
  for (int r = divisions[0].first; r < divisions[0].first + divisions[0].second; ++r) {
    widestFloor = std::min(widestFloor, profile[r] < 0 ? 255 : profile[r]);
  }
  EXPECT_LT(widestFloor, 30) << "the wide division is nearly clear";
}

// Named by the direction in degrees: /137_5deg.
INSTANTIATE_TEST_SUITE_P(Directions, TRingRadius,
                         testing::Values(0.0, 31.0, 45.0, 90.0, 137.5, 180.0, 222.0, 270.0, 333.3),
                         [](const testing::TestParamInfo<double>& info) {
                           std::string name = testing::PrintToString(info.param);
                           std::replace(name.begin(), name.end(), '.', '_');
                           return name + "deg";
                         });

TEST(RingImage, WholeImageObeysTheLayoutAndPeaksAt189) {
  const TDecoded& d = Decoded(TAssetId::Rings);
  ASSERT_FALSE(d.Rgba.empty()) << d.Error;
  int maxAlpha = 0, badClear = 0, badFaint = 0, badRing = 0;
  for (int y = 0; y < d.Height; ++y) {
    for (int x = 0; x < d.Width; ++x) {
      const int a = d.Alpha(x, y), r = RingRadius(x, y);
      maxAlpha = std::max(maxAlpha, a);
      if (r <= 538 || r == 1000 || r == 1001 || r >= 1024) {
        badClear += a != 0;
      } else if (r >= 1002) {
        badFaint += a > 46;
      } else {
        badRing += a == 0 || a > 189;
      }
    }
  }
  EXPECT_EQ(maxAlpha, 189);
  EXPECT_EQ(badClear, 0) << "pixels with alpha in the hole, the clear lane or the corners";
  EXPECT_EQ(badFaint, 0) << "faint band pixels above 46";
  EXPECT_EQ(badRing, 0) << "ring pixels clear or above 189";
}

TEST(RingImage, ColoursAreWarmWhereTheRingsAre) {
  const TDecoded& d = Decoded(TAssetId::Rings);
  ASSERT_FALSE(d.Rgba.empty()) << d.Error;
  double r = 0, b = 0;
  for (int x = 1024 + 700; x < 1024 + 840; ++x) {  // the bright middle ring, to the right
    r += d.Pixel(x, 1024)[0];
    b += d.Pixel(x, 1024)[2];
  }
  EXPECT_GT(r, b * 1.1) << "beige-brown rings have more red than blue";
}

// --- icons and names --------------------------------------------------------------------------
class TIcon : public testing::TestWithParam<int> {};

TEST_P(TIcon, IsASquarePictureWithATransparentSurround) {
  const int size = GetParam();
  const TDecoded d = Decode(assets::EmbeddedIcon(size));
  ASSERT_TRUE(d.Ok) << d.Error;
  ASSERT_EQ(d.Width, size);
  ASSERT_EQ(d.Height, size);
  ASSERT_EQ(d.ColorType, PNG_COLOR_TYPE_RGB_ALPHA);
  ASSERT_FALSE(d.Rgba.empty());
  for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}}) {
    EXPECT_EQ(d.Alpha(x, y), 0) << x << "," << y;
  }
  EXPECT_EQ(d.Alpha(size / 2, size / 2), 255) << "the planet covers the centre";
}

INSTANTIATE_TEST_SUITE_P(Sizes, TIcon, testing::ValuesIn(assets::IconSizes),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::to_string(info.param) + "px";
                         });

TEST(EmbeddedAssets, OtherIconSizesAndUnknownIdsAreEmpty) {
  EXPECT_TRUE(assets::EmbeddedIcon(0).empty());
  EXPECT_TRUE(assets::EmbeddedIcon(100).empty());
  EXPECT_TRUE(assets::EmbeddedImage(static_cast<TAssetId>(assets::AssetCount)).empty());
  EXPECT_STREQ(assets::AssetName(static_cast<TAssetId>(-1)), "");
}

TEST(EmbeddedAssets, NamesAreDistinctAndNonEmpty) {
  std::set<std::string> names;
  for (int i = 0; i < assets::AssetCount; ++i) {
    const std::string name = assets::AssetName(static_cast<TAssetId>(i));
    EXPECT_FALSE(name.empty());
    names.insert(name);
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(assets::AssetCount));
  EXPECT_STREQ(assets::AssetName(TAssetId::Planet), "planet");
  EXPECT_STREQ(assets::AssetName(TAssetId::Sky), "sky");
}

}  // namespace
