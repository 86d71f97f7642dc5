// The clips a recording can be written as, chosen by the file's name: ".mp4" (H.264),
// ".webm" (VP9), ".gif" (an animated GIF), or a name with one "%d"-style field
// ("frames-%04d.png") for numbered pictures in any format a screenshot can be saved as.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace record {

enum class TClipFormat { Mp4, WebM, Gif, FrameSequence };

// The format for `path`, by its last segment: a numbered sequence when it holds a frame-number
// field and its extension is a picture format; otherwise by its extension, ignoring case.
// None for an unknown extension or a malformed field (two of them, or a '%' that is none).
std::optional<TClipFormat> ClipFormatForFile(std::string_view path);

// Whether the format needs an even width and height (4:2:0 chroma halves both sides).
bool NeedsEvenSize(TClipFormat format);

// The name of frame `number` of a sequence named by `pattern` ("f-%03d.png", 7: "f-007.png");
// "%%" stands for '%'. `pattern` is one ClipFormatForFile takes as FrameSequence.
std::string FrameFileName(std::string_view pattern, long number);

}  // namespace record
