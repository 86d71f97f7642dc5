#include "record/GifClipWriter.h"

#include <gif_lib.h>
#include <lz4.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>

#include "ui/files/BitmapCodecs.h"

namespace record {

namespace {

std::uint16_t Colour15(const std::uint8_t* rgba) {
  return static_cast<std::uint16_t>(((rgba[0] >> 3) << 10) | ((rgba[1] >> 3) << 5) |
                                    (rgba[2] >> 3));
}

struct TGifFile {
  std::FILE* File = nullptr;
  int Errno = 0;
};

int WriteGifBytes(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* sink = static_cast<TGifFile*>(gif->UserData);
  if (std::fwrite(bytes, 1, static_cast<size_t>(length), sink->File) !=
      static_cast<size_t>(length)) {
    sink->Errno = errno;
    return 0;
  }
  return length;
}

// The smallest rectangle holding every pixel where `a` and `b` differ (of `width` columns);
// a single pixel when none does, as a GIF frame cannot be empty.
struct TRect {
  int Left, Top, Width, Height;
};
TRect ChangedRect(const std::vector<GifByteType>& a, const std::vector<GifByteType>& b, int width,
                  int height) {
  int left = width, right = -1, top = height, bottom = -1;
  for (int y = 0; y < height; ++y) {
    const GifByteType* rowA = &a[static_cast<size_t>(y) * width];
    const GifByteType* rowB = &b[static_cast<size_t>(y) * width];
    if (std::memcmp(rowA, rowB, static_cast<size_t>(width)) == 0) continue;
    top = std::min(top, y);
    bottom = y;
    int x = 0;
    while (rowA[x] == rowB[x])
      ++x;
    left = std::min(left, x);
    x = width - 1;
    while (rowA[x] == rowB[x])
      --x;
    right = std::max(right, x);
  }
  if (bottom < 0) return {0, 0, 1, 1};
  return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

TGifClipWriter::TGifClipWriter(const TClipSettings& settings)
    : FSettings(settings), FFile(settings.File) {
  if (settings.Width > 65535 || settings.Height > 65535)
    throw EClipEncodingFailed("a GIF is at most 65535 pixels wide and high");
  // Unnamed: the system removes it however the program ends.
  FSpool = std::tmpfile();
  if (!FSpool)
    throw ui::EFileSystemError(std::string("Cannot create a temporary file: ") +
                               std::strerror(errno));
  FColours.resize(static_cast<size_t>(settings.Width) * settings.Height);
  FPacked.resize(static_cast<size_t>(LZ4_compressBound(static_cast<int>(FColours.size() * 2))));
}

TGifClipWriter::~TGifClipWriter() {
  if (FSpool) std::fclose(FSpool);
}

int TGifClipWriter::FrameDelay(long index, int framesPerSecond) {
  const auto at = [&](long i) { return (100 * i + framesPerSecond / 2) / framesPerSecond; };
  return static_cast<int>(at(index + 1) - at(index));
}

void TGifClipWriter::AddFrame(const scene::TTextureImage& frame) {
  if (frame.Width != FSettings.Width || frame.Height != FSettings.Height)
    throw EClipEncodingFailed("a frame is not of the clip's size");
  const std::uint8_t* p = frame.Pixels.data();
  for (std::uint16_t& colour : FColours) {
    colour = Colour15(p);
    ++FHistogram[colour];
    p += 4;
  }
  const int packed =
      LZ4_compress_default(reinterpret_cast<const char*>(FColours.data()), FPacked.data(),
                           static_cast<int>(FColours.size() * 2), static_cast<int>(FPacked.size()));
  if (packed <= 0) throw EClipEncodingFailed("a frame cannot be packed");
  if (std::fwrite(&packed, sizeof packed, 1, FSpool) != 1 ||
      std::fwrite(FPacked.data(), 1, static_cast<size_t>(packed), FSpool) !=
          static_cast<size_t>(packed))
    throw ui::EFileSystemError(std::string("Cannot write a temporary file: ") +
                               std::strerror(errno));
  ++FFrames;
}

std::vector<std::uint8_t> TGifClipWriter::CutPalette(std::vector<std::uint8_t>& palette) {
  // giflib cuts the colours of one picture: it is given each colour of the clip, repeated in
  // proportion to its share of the histogram (at least once), in about a million pixels.
  constexpr double Budget = 1 << 20;
  double total = 0;
  for (std::uint64_t count : FHistogram)
    total += static_cast<double>(count);
  std::vector<GifByteType> red, green, blue;
  std::vector<size_t> firstOf(ColourCount, 0);
  for (int c = 0; c < ColourCount; ++c) {
    if (!FHistogram[c]) continue;
    const auto copies = std::max<size_t>(
        1, static_cast<size_t>(std::lround(static_cast<double>(FHistogram[c]) * Budget / total)));
    firstOf[c] = red.size();
    // The middle of the colour's 8 x 8 x 8 cube of full colours.
    red.insert(red.end(), copies, static_cast<GifByteType>(((c >> 10) & 31) << 3 | 4));
    green.insert(green.end(), copies, static_cast<GifByteType>(((c >> 5) & 31) << 3 | 4));
    blue.insert(blue.end(), copies, static_cast<GifByteType>((c & 31) << 3 | 4));
  }
  std::vector<GifByteType> indices(red.size());
  std::vector<GifColorType> colours(256);
  int colourCount = 256;
  if (GifQuantizeBuffer(static_cast<unsigned>(red.size()), 1, &colourCount, red.data(),
                        green.data(), blue.data(), indices.data(), colours.data()) == GIF_ERROR)
    throw EClipEncodingFailed("giflib could not choose the palette");
  palette.assign(256 * 3, 0);
  for (int i = 0; i < colourCount; ++i) {
    palette[3 * i] = colours[i].Red;
    palette[3 * i + 1] = colours[i].Green;
    palette[3 * i + 2] = colours[i].Blue;
  }
  std::vector<std::uint8_t> indexOf(ColourCount, 0);
  for (int c = 0; c < ColourCount; ++c)
    if (FHistogram[c]) indexOf[c] = indices[firstOf[c]];
  return indexOf;
}

void TGifClipWriter::Finish() {
  if (FFrames == 0) throw EClipEncodingFailed("a clip needs a frame");
  std::vector<std::uint8_t> palette;
  const std::vector<std::uint8_t> indexOf = CutPalette(palette);
  std::vector<GifColorType> colours(256);
  for (int i = 0; i < 256; ++i)
    colours[i] = {palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]};

  const int width = FSettings.Width, height = FSettings.Height;
  const auto cannotWrite = [&](int number) {
    return ui::EFileSystemError("Cannot write \"" + FSettings.File +
                                "\": " + std::strerror(number ? number : EIO));
  };
  TGifFile sink{std::fopen(FFile.Path().c_str(), "wb")};
  if (!sink.File) throw cannotWrite(errno);
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  int error = 0;
  GifFileType* gif = map ? EGifOpen(&sink, WriteGifBytes, &error) : nullptr;
  const auto close = [&] {
    if (gif) EGifCloseFile(gif, &error);
    gif = nullptr;
    GifFreeMapObject(map);
    map = nullptr;
    const bool closed = std::fclose(sink.File) == 0;
    sink.File = nullptr;
    return closed;
  };
  const auto fail = [&](const char* what) {
    const int number = sink.Errno;
    close();
    if (number) throw cannotWrite(number);
    throw EClipEncodingFailed(what);
  };
  if (!gif) fail("giflib cannot start");
  EGifSetGifVersion(gif, true);
  if (EGifPutScreenDesc(gif, width, height, 8, 0, map) != GIF_OK) fail("giflib failed");
  // Played in a loop, as browsers and viewers do with "NETSCAPE2.0" and a count of 0.
  const GifByteType loopForever[3] = {1, 0, 0};
  if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
      EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") != GIF_OK ||
      EGifPutExtensionBlock(gif, 3, loopForever) != GIF_OK ||
      EGifPutExtensionTrailer(gif) != GIF_OK)
    fail("giflib failed");

  std::rewind(FSpool);
  std::vector<GifByteType> frame(FColours.size()), previous(FColours.size());
  for (long i = 0; i < FFrames; ++i) {
    if (FSettings.StopRequested()) {
      close();
      throw EClipStopped();
    }
    int packed = 0;
    if (std::fread(&packed, sizeof packed, 1, FSpool) != 1 || packed <= 0 ||
        static_cast<size_t>(packed) > FPacked.size() ||
        std::fread(FPacked.data(), 1, static_cast<size_t>(packed), FSpool) !=
            static_cast<size_t>(packed) ||
        LZ4_decompress_safe(FPacked.data(), reinterpret_cast<char*>(FColours.data()), packed,
                            static_cast<int>(FColours.size() * 2)) !=
            static_cast<int>(FColours.size() * 2))
      fail("a kept frame cannot be read back");
    for (size_t p = 0; p < frame.size(); ++p)
      frame[p] = indexOf[FColours[p]];
    // The frame stays until the next one draws over it: only what changed is written.
    const TRect r =
        i == 0 ? TRect{0, 0, width, height} : ChangedRect(frame, previous, width, height);
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, FrameDelay(i, FSettings.FramesPerSecond),
                                 NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK ||
        EGifPutImageDesc(gif, r.Left, r.Top, r.Width, r.Height, false, nullptr) != GIF_OK)
      fail("giflib failed");
    for (int y = r.Top; y < r.Top + r.Height; ++y)
      if (EGifPutLine(gif, &frame[static_cast<size_t>(y) * width + r.Left], r.Width) != GIF_OK)
        fail("giflib failed");
    std::swap(frame, previous);
  }
  const bool finished = EGifCloseFile(gif, &error) == GIF_OK;
  gif = nullptr;
  if (!finished) fail("giflib failed");
  const int number = sink.Errno;
  errno = 0;
  if (!close() || number) throw cannotWrite(number ? number : errno);
  FFile.Commit();
}

}  // namespace record
