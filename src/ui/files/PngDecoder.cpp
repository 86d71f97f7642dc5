#include "ui/files/PngDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

#include "scene/render/Premultiply.h"

namespace ui {

namespace {

struct TReader {
  std::span<const std::uint8_t> Bytes;
  size_t Offset = 0;
  png_structp Png = nullptr;
  png_infop Info = nullptr;

  ~TReader() {
    if (Png) png_destroy_read_struct(&Png, Info ? &Info : nullptr, nullptr);
  }
};

void ReadFromSpan(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<TReader*>(png_get_io_ptr(png));
  if (reader->Bytes.size() - reader->Offset < length) png_error(png, "truncated PNG data");
  std::memcpy(out, reader->Bytes.data() + reader->Offset, length);
  reader->Offset += length;
}

// libpng reports errors by a long jump back to the setjmp of the function that called it;
// the two steps below keep nothing but the reader (in memory) across their setjmp.

// Reads the header and asks for 8-bit RGBA rows whatever the stored layout; false on error.
bool ReadHeader(TReader& r, int& width, int& height, int& passes) {
  if (setjmp(png_jmpbuf(r.Png))) return false;
  png_set_read_fn(r.Png, &r, ReadFromSpan);
  png_read_info(r.Png, r.Info);
  const int colorType = png_get_color_type(r.Png, r.Info);
  const int depth = png_get_bit_depth(r.Png, r.Info);
  const bool hasTransparency = png_get_valid(r.Png, r.Info, PNG_INFO_tRNS) != 0;
  if (depth == 16) png_set_strip_16(r.Png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(r.Png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(r.Png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(r.Png);
  if (hasTransparency) png_set_tRNS_to_alpha(r.Png);
  if (!(colorType & PNG_COLOR_MASK_ALPHA) && !hasTransparency)
    png_set_filler(r.Png, 0xFF, PNG_FILLER_AFTER);
  passes = png_set_interlace_handling(r.Png);
  png_read_update_info(r.Png, r.Info);
  width = static_cast<int>(png_get_image_width(r.Png, r.Info));
  height = static_cast<int>(png_get_image_height(r.Png, r.Info));
  return png_get_rowbytes(r.Png, r.Info) == static_cast<size_t>(width) * 4;
}

// Reads every row into `picture`, premultiplying each as it arrives (after the last pass of
// an interlaced picture); false on error.
bool ReadRows(TReader& r, scene::TTextureImage& picture, int passes) {
  if (setjmp(png_jmpbuf(r.Png))) return false;
  for (int pass = 1; pass < passes; ++pass)
    for (int y = 0; y < picture.Height; ++y)
      png_read_row(r.Png, picture.Pixel(0, y), nullptr);
  picture.Opaque = true;
  for (int y = 0; y < picture.Height; ++y) {
    png_read_row(r.Png, picture.Pixel(0, y), nullptr);
    if (!scene::PremultiplyRow(picture.Pixel(0, y), picture.Width)) picture.Opaque = false;
  }
  png_read_end(r.Png, nullptr);
  return true;
}

}  // namespace

scene::TTextureImage DecodePng(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return {};
  TReader reader{bytes};
  reader.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!reader.Png) return {};
  reader.Info = png_create_info_struct(reader.Png);
  if (!reader.Info) return {};
  int width = 0, height = 0, passes = 1;
  if (!ReadHeader(reader, width, height, passes) || width <= 0 || height <= 0) return {};
  scene::TTextureImage picture(width, height);
  if (!ReadRows(reader, picture, passes)) return {};
  return picture;
}

}  // namespace ui
