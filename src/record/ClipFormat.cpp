#include "record/ClipFormat.h"

#include <cctype>
#include <cstdio>

#include "ui/files/BitmapCodecs.h"

namespace record {

namespace {

// A frame-number field at `text[at]` ('%'): "%d", "%4d" or "%04d", a width of at most two
// digits; its length, or 0 when there is none.
size_t FieldLength(std::string_view text, size_t at) {
  size_t i = at + 1;
  const size_t digits = i;
  while (i < text.size() && i - digits < 3 && std::isdigit(static_cast<unsigned char>(text[i])))
    ++i;
  if (i - digits > 2 || i >= text.size() || text[i] != 'd') return 0;
  return i + 1 - at;
}

std::string_view LastSegment(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The number of frame-number fields in `name`, or -1 for a '%' that is neither one nor "%%".
int FieldCount(std::string_view name) {
  int fields = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] != '%') continue;
    if (i + 1 < name.size() && name[i + 1] == '%') {
      ++i;
    } else if (const size_t length = FieldLength(name, i)) {
      ++fields;
      i += length - 1;
    } else {
      return -1;
    }
  }
  return fields;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

std::optional<TClipFormat> ClipFormatForFile(std::string_view path) {
  const std::string_view name = LastSegment(path);
  const int fields = FieldCount(name);
  if (fields < 0 || fields > 1) return std::nullopt;
  if (fields == 1)
    return ui::ContainerForFile(name) ? std::optional(TClipFormat::FrameSequence) : std::nullopt;
  const std::string extension = ui::FileExtension(name);
  if (EqualsIgnoringCase(extension, ".mp4")) return TClipFormat::Mp4;
  if (EqualsIgnoringCase(extension, ".webm")) return TClipFormat::WebM;
  if (EqualsIgnoringCase(extension, ".gif")) return TClipFormat::Gif;
  return std::nullopt;
}

bool NeedsEvenSize(TClipFormat format) {
  return format == TClipFormat::Mp4;
}

std::string FrameFileName(std::string_view pattern, long number) {
  const size_t nameStart = pattern.size() - LastSegment(pattern).size();
  std::string name(pattern.substr(0, nameStart));
  for (size_t i = nameStart; i < pattern.size(); ++i) {
    if (pattern[i] != '%') {
      name += pattern[i];
    } else if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
      name += '%';
      ++i;
    } else if (const size_t length = FieldLength(pattern, i)) {
      // The field with "ld" for "d": snprintf formats the number as the field asks.
      const std::string field = std::string(pattern.substr(i, length - 1)) + "ld";
      char digits[64];
      std::snprintf(digits, sizeof digits, field.c_str(), number);
      name += digits;
      i += length - 1;
    } else {
      name += '%';
    }
  }
  return name;
}

}  // namespace record
