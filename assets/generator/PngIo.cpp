#include "PngIo.h"

#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace assets::gen {
namespace {

void OnPngError(png_structp png, png_const_charp message) {
  // libpng needs this function not to return; the jump target is set up by the caller.
  auto* text = static_cast<std::string*>(png_get_error_ptr(png));
  if (text) *text = message;
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

struct TReadCursor {
  std::span<const std::uint8_t> Data;
  std::size_t Offset = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* cursor = static_cast<TReadCursor*>(png_get_io_ptr(png));
  if (cursor->Offset + length > cursor->Data.size()) png_error(png, "truncated PNG data");
  std::memcpy(out, cursor->Data.data() + cursor->Offset, length);
  cursor->Offset += length;
}

void WriteToMemory(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void FlushMemory(png_structp) {}

// The libpng calls live in small functions without C++ objects of their own, so the error
// jump never crosses a destructor or clobbers a local.
bool WriteRows(png_structp png, png_infop info, int width, int height, png_bytepp rows,
               const TPngOptions& options) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               options.DropAlpha ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (options.MarkSrgb) png_set_sRGB_gAMA_and_cHRM(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  png_set_compression_level(png, options.Level);
  if (options.Strategy >= 0) png_set_compression_strategy(png, options.Strategy);
  png_set_filter(png, PNG_FILTER_TYPE_BASE,
                 options.Filters < 0 ? PNG_ALL_FILTERS : options.Filters);
  png_write_info(png, info);
  if (options.DropAlpha) png_set_filler(png, 0, PNG_FILLER_AFTER);  // drops the fourth byte
  png_write_rows(png, rows, static_cast<png_uint_32>(height));
  png_write_end(png, info);
  return true;
}

bool ReadHeader(png_structp png, png_infop info, int* width, int* height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_read_update_info(png, info);
  *width = static_cast<int>(png_get_image_width(png, info));
  *height = static_cast<int>(png_get_image_height(png, info));
  return true;
}

bool ReadRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

TPngOptions ShippedPngOptions() {
  // Measured with orvane_asset_timing --survey on the ten textures: no row filter at zlib
  // level 6 gave both the smallest files but one (level 9 with all filters, ten times slower to
  // encode) and the fastest decoding, since the reader has no filter to undo. The noisy maps
  // gain nothing from prediction and the black sky compresses best unfiltered.
  TPngOptions options;
  options.Level = 6;
  options.Filters = PNG_FILTER_NONE;
  return options;
}

std::vector<std::uint8_t> EncodePng(const TImage& image, const TPngOptions& options) {
  std::vector<std::uint8_t> out;
  std::string error;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, OnPngError, OnPngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) throw std::runtime_error("libpng: out of memory");
  std::vector<png_bytep> rows(image.Height());
  for (int y = 0; y < image.Height(); ++y)
    rows[y] = const_cast<png_bytep>(image.Row(y));
  png_set_write_fn(png, &out, WriteToMemory, FlushMemory);
  const bool ok = WriteRows(png, info, image.Width(), image.Height(), rows.data(), options);
  png_destroy_write_struct(&png, &info);
  if (!ok) throw std::runtime_error("libpng write: " + error);
  return out;
}

TImage DecodePng(std::span<const std::uint8_t> data) {
  std::string error;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, OnPngError, OnPngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) throw std::runtime_error("libpng: out of memory");
  TReadCursor cursor{data, 0};
  png_set_read_fn(png, &cursor, ReadFromMemory);
  int width = 0, height = 0;
  TImage image;
  bool ok = ReadHeader(png, info, &width, &height);
  if (ok) {
    image = TImage(width, height);
    std::vector<png_bytep> rows(height);
    for (int y = 0; y < height; ++y)
      rows[y] = image.Row(y);
    ok = ReadRows(png, rows.data());
  }
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) throw std::runtime_error("libpng read: " + error);
  return image;
}

void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace assets::gen
