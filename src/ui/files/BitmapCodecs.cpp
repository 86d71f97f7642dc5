#include "ui/files/BitmapCodecs.h"

#include <algorithm>
#include <array>

namespace ui {

namespace {

constexpr std::array<TBitmapCodec, 9> Codecs{{
    {".bmp", "Bitmaps", TImageContainer::Bmp},
    {".jpg", "JPEG Images", TImageContainer::Jpeg},
    {".jpeg", "JPEG Images", TImageContainer::Jpeg},
    {".png", "PNG Images", TImageContainer::Png},
    {".gif", "GIF Images", TImageContainer::Gif},
    {".tif", "TIFF Images", TImageContainer::Tiff},
    {".tiff", "TIFF Images", TImageContainer::Tiff},
    {".ico", "Icons", TImageContainer::Png},
    {".hdp", "WMP Images", TImageContainer::Png},
}};

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::span<const TBitmapCodec> BitmapCodecs() {
  return Codecs;
}

std::string FileExtension(std::string_view path) {
  const size_t dot = path.rfind('.');
  const size_t slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && slash > dot)) return {};
  return std::string(path.substr(dot));
}

std::optional<TImageContainer> ContainerForFile(std::string_view path) {
  std::string extension = FileExtension(path);
  std::transform(extension.begin(), extension.end(), extension.begin(), LowerAscii);
  for (const TBitmapCodec& codec : Codecs)
    if (codec.Extension == extension) return codec.Container;
  return std::nullopt;
}

}  // namespace ui
