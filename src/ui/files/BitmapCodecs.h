// The image files a bitmap can be saved as, and the errors a save raises.
//
// The codec table lists, in its fixed order, each file extension that can be written, its
// description and the container written for it. A file's format follows its name's extension
// alone, compared without regard to case: ".ico" and ".hdp" files receive PNG data.
#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

enum class TImageContainer { Bmp, Jpeg, Png, Gif, Tiff };

struct TBitmapCodec {
  std::string_view Extension;  // with its dot, lower case
  std::string_view Description;
  TImageContainer Container;
};

// The codec table, in its order.
std::span<const TBitmapCodec> BitmapCodecs();

// The extension of a path's last segment: from its last '.', dot included; empty when that
// segment has no dot ("/a.b/picture" has none).
std::string FileExtension(std::string_view path);

// The container written for a path: that of the codec whose extension equals the path's,
// ignoring case; none when no codec does (an unknown extension, or none at all).
std::optional<TImageContainer> ContainerForFile(std::string_view path);

// What a save is asked for: Quality 0 to 100, 100 the best (JPEG).
struct TBitmapCodecSaveParams {
  int Quality = 100;
};

// A save that could not be done: no codec for the name, or the encoder failed part-way.
class EBitmapSavingFailed : public std::runtime_error {
 public:
  EBitmapSavingFailed() : std::runtime_error("Saving bitmap failed.") {}
};

// The file system refused the file (a folder that is missing or cannot be written, a name too
// long); the message is the system's reason, with the path.
class EFileSystemError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace ui
