// orvane_contact_sheet OUT.png: one downscaled picture of every built-in image (the ten
// textures, a 1:1 crop of the sky, the About picture and the icons), labelled, for reviewing
// the generator's output at a glance.
#include <cstdio>
#include <string>
#include <vector>

#include "PngIo.h"
#include "assets/EmbeddedAssets.h"

namespace {

using assets::gen::TImage;

// A 5 x 7 pixel font for the labels: each glyph is seven rows of five bits.
struct TGlyph {
  char C;
  unsigned char Rows[7];
};
constexpr TGlyph Font[] = {
    {'A', {14, 17, 17, 31, 17, 17, 17}}, {'B', {30, 17, 17, 30, 17, 17, 30}},
    {'C', {14, 17, 16, 16, 16, 17, 14}}, {'D', {30, 17, 17, 17, 17, 17, 30}},
    {'E', {31, 16, 16, 30, 16, 16, 31}}, {'F', {31, 16, 16, 30, 16, 16, 16}},
    {'G', {14, 17, 16, 23, 17, 17, 15}}, {'H', {17, 17, 17, 31, 17, 17, 17}},
    {'I', {14, 4, 4, 4, 4, 4, 14}},      {'J', {7, 2, 2, 2, 2, 18, 12}},
    {'K', {17, 18, 20, 24, 20, 18, 17}}, {'L', {16, 16, 16, 16, 16, 16, 31}},
    {'M', {17, 27, 21, 21, 17, 17, 17}}, {'N', {17, 17, 25, 21, 19, 17, 17}},
    {'O', {14, 17, 17, 17, 17, 17, 14}}, {'P', {30, 17, 17, 30, 16, 16, 16}},
    {'Q', {14, 17, 17, 17, 21, 18, 13}}, {'R', {30, 17, 17, 30, 20, 18, 17}},
    {'S', {15, 16, 16, 14, 1, 1, 30}},   {'T', {31, 4, 4, 4, 4, 4, 4}},
    {'U', {17, 17, 17, 17, 17, 17, 14}}, {'V', {17, 17, 17, 17, 17, 10, 4}},
    {'W', {17, 17, 17, 21, 21, 21, 10}}, {'X', {17, 17, 10, 4, 10, 17, 17}},
    {'Y', {17, 17, 10, 4, 4, 4, 4}},     {'Z', {31, 1, 2, 4, 8, 16, 31}},
    {'0', {14, 17, 19, 21, 25, 17, 14}}, {'1', {4, 12, 4, 4, 4, 4, 14}},
    {'2', {14, 17, 1, 2, 4, 8, 31}},     {'3', {31, 2, 4, 2, 1, 17, 14}},
    {'4', {2, 6, 10, 18, 31, 2, 2}},     {'5', {31, 16, 30, 1, 1, 17, 14}},
    {'6', {6, 8, 16, 30, 17, 17, 14}},   {'7', {31, 1, 2, 4, 8, 8, 8}},
    {'8', {14, 17, 17, 14, 17, 17, 14}}, {'9', {14, 17, 17, 15, 1, 2, 12}},
    {'X', {17, 17, 10, 4, 10, 17, 17}},  {':', {0, 12, 12, 0, 12, 12, 0}},
    {'-', {0, 0, 0, 31, 0, 0, 0}},       {'.', {0, 0, 0, 0, 0, 12, 12}},
    {'(', {2, 4, 8, 8, 8, 4, 2}},        {')', {8, 4, 2, 2, 2, 4, 8}},
};

void Fill(TImage& sheet, int x0, int y0, int w, int h, unsigned rgb) {
  for (int y = std::max(0, y0); y < std::min(sheet.Height(), y0 + h); ++y) {
    for (int x = std::max(0, x0); x < std::min(sheet.Width(), x0 + w); ++x) {
      std::uint8_t* p = sheet.Row(y) + x * 4;
      p[0] = (rgb >> 16) & 255, p[1] = (rgb >> 8) & 255, p[2] = rgb & 255, p[3] = 255;
    }
  }
}

void Text(TImage& sheet, int x, int y, const std::string& text) {
  for (char ch : text) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    for (const TGlyph& g : Font) {
      if (g.C != c) continue;
      for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 5; ++col) {
          if (g.Rows[row] & (16 >> col)) Fill(sheet, x + col * 2, y + row * 2, 2, 2, 0xD8DCE4);
        }
      }
      break;
    }
    x += 12;
  }
}

// Area-averaged downscale of `src` (straight alpha) onto the sheet over a dark checkerboard,
// so translucent pictures show their alpha.
void Place(TImage& sheet, const TImage& src, int x0, int y0, int w, int h) {
  for (int y = 0; y < h; ++y) {
    const int sy0 = y * src.Height() / h, sy1 = std::max(sy0 + 1, (y + 1) * src.Height() / h);
    for (int x = 0; x < w; ++x) {
      const int sx0 = x * src.Width() / w, sx1 = std::max(sx0 + 1, (x + 1) * src.Width() / w);
      double acc[3] = {0, 0, 0}, alpha = 0;
      for (int sy = sy0; sy < sy1; ++sy) {
        for (int sx = sx0; sx < sx1; ++sx) {
          const std::uint8_t* p = src.Row(sy) + sx * 4;
          for (int c = 0; c < 3; ++c)
            acc[c] += p[c] * p[3];
          alpha += p[3];
        }
      }
      const double n = static_cast<double>((sy1 - sy0) * (sx1 - sx0));
      const double a = alpha / n / 255.0;
      const int checker = ((x / 8 + y / 8) & 1) ? 0x2A : 0x1E;
      std::uint8_t* out = sheet.Row(y0 + y) + (x0 + x) * 4;
      for (int c = 0; c < 3; ++c) {
        const double colour = alpha > 0 ? acc[c] / alpha : 0;
        out[c] = static_cast<std::uint8_t>(colour * a + checker * (1 - a) + 0.5);
      }
      out[3] = 255;
    }
  }
}

TImage Crop(const TImage& src, int x0, int y0, int w, int h) {
  TImage out(w, h);
  for (int y = 0; y < h; ++y)
    std::copy_n(src.Row(y0 + y) + x0 * 4, w * 4, out.Row(y));
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
    return 2;
  }
  using assets::TAssetId;
  const auto decode = [](TAssetId id) { return assets::gen::DecodePng(assets::EmbeddedImage(id)); };
  constexpr int Cell = 384, Gap = 16, Label = 22;
  constexpr int Width = 3 * Cell + 4 * Gap;
  const int rowH = Cell / 2 + Label + Gap;
  const int skyH = 300 + Label + Gap;
  const int height = Gap + 3 * rowH + skyH + (280 + Label + Gap);
  TImage sheet(Width, height);
  Fill(sheet, 0, 0, Width, height, 0x101218);
  const TAssetId bodies[] = {TAssetId::Planet, TAssetId::Mimas,  TAssetId::Enceladus,
                             TAssetId::Tethys, TAssetId::Dione,  TAssetId::Rhea,
                             TAssetId::Titan,  TAssetId::Iapetus};
  const char* titles[] = {"Orvane (planet)", "Mimas", "Enceladus", "Tethys",
                          "Dione",           "Rhea",  "Titan",     "Iapetus"};
  for (int i = 0; i < 8; ++i) {
    const int x = Gap + (i % 3) * (Cell + Gap), y = Gap + (i / 3) * rowH;
    Text(sheet, x, y, titles[i]);
    Place(sheet, decode(bodies[i]), x, y + Label, Cell, Cell / 2);
  }
  {
    // Rings fill the ninth cell (square, half height).
    const int x = Gap + 2 * (Cell + Gap) + Cell / 4, y = Gap + 2 * rowH;
    Text(sheet, x, y, "Rings");
    Place(sheet, decode(TAssetId::Rings), x, y + Label, Cell / 2, Cell / 2);
  }
  const int skyY = Gap + 3 * rowH;
  const TImage sky = decode(TAssetId::Sky);
  Text(sheet, Gap, skyY, "Sky");
  Place(sheet, sky, Gap, skyY + Label, 600, 300);
  Text(sheet, Gap + 600 + Gap, skyY, "Sky 1:1 crop");
  Place(sheet, Crop(sky, 3950, 1330, Width - 600 - 3 * Gap, 300), Gap + 600 + Gap, skyY + Label,
        Width - 600 - 3 * Gap, 300);
  const int aboutY = skyY + skyH;
  Text(sheet, Gap, aboutY, "About (438x280)");
  Place(sheet, decode(TAssetId::About), Gap, aboutY + Label, 438, 280);
  int x = Gap + 438 + 2 * Gap;
  Text(sheet, x, aboutY, "Icon 256 128 64 48 32 16");
  for (auto it = assets::IconSizes.rbegin(); it != assets::IconSizes.rend(); ++it) {
    const int size = *it;
    Place(sheet, assets::gen::DecodePng(assets::EmbeddedIcon(size)), x, aboutY + Label, size, size);
    x += size + Gap;
  }
  assets::gen::TPngOptions options;
  options.Level = 9;
  options.DropAlpha = true;  // the sheet is opaque; a smaller file suits a README
  std::vector<std::uint8_t> png = assets::gen::EncodePng(sheet, options);
  assets::gen::WriteFile(argv[1], png);
  std::printf("%s: %dx%d, %zu bytes\n", argv[1], Width, height, png.size());
  return 0;
}
