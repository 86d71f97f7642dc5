// The clip writers on frames of a known picture, read back with a player's libraries: the
// videos hold every frame at their size and rate, near the colours given; the GIF has one
// palette for all its frames and delays that add up to the clip's length; the pictures of a
// sequence hold the frames exactly; and a writer that does not finish leaves the folder as it
// was.
#include "record/ClipWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "ClipProbe.h"
#include "ui/files/ImageFileWriter.h"
#include "ui/qt/QtImageFileWriter.h"

namespace record {
namespace {

constexpr int Width = 320, Height = 180, Fps = 10, FrameCount = 20;

// Frame `i`: a colour gradient of far more than 256 colours, with a bright square that moves
// to the right from frame to frame.
scene::TTextureImage GradientFrame(int i) {
  scene::TTextureImage frame(Width, Height);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      std::uint8_t* p = frame.Pixel(x, y);
      const bool square = x >= 10 + 12 * i && x < 40 + 12 * i && y >= 70 && y < 100;
      p[0] = square ? 250 : static_cast<std::uint8_t>(x * 255 / Width);
      p[1] = square ? 250 : static_cast<std::uint8_t>(y * 255 / Height);
      p[2] = square ? 250 : static_cast<std::uint8_t>((x + y) * 255 / (Width + Height));
      p[3] = 255;
    }
  return frame;
}

struct ClipWriter : ::testing::Test {
  QTemporaryDir Folder;
  ui::qt::TQtImageFileWriter ImageWriter;
  scene::TServiceInstallation<ui::IImageFileWriter> Installation{ImageWriter};

  TClipSettings Settings(const char* name) {
    TClipSettings settings;
    settings.File = Folder.filePath(name).toStdString();
    settings.Format = *ClipFormatForFile(settings.File);
    settings.Width = Width;
    settings.Height = Height;
    settings.FramesPerSecond = Fps;
    settings.FrameCount = FrameCount;
    return settings;
  }
  void Record(const TClipSettings& settings) {
    const auto writer = OpenClipWriter(settings);
    for (int i = 0; i < FrameCount; ++i)
      writer->AddFrame(GradientFrame(i));
    writer->Finish();
  }
  QStringList Entries() const {
    return QDir(Folder.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }
};

TEST_F(ClipWriter, VideosHoldEveryFrameAtTheirSizeAndRate) {
  const struct {
    const char* name;
    const char* codec;
  } rows[] = {{"clip.mp4", "h264"}, {"clip.webm", "vp9"}};
  for (const auto& row : rows) {
    Record(Settings(row.name));
    const test::TVideoFacts video = test::ReadVideo(Folder.filePath(row.name).toStdString());
    ASSERT_EQ(video.Error, "") << row.name;
    EXPECT_EQ(video.Codec, row.codec);
    EXPECT_EQ(video.PixelFormat, "yuv420p") << row.name;
    EXPECT_EQ(video.Width, Width) << row.name;
    EXPECT_EQ(video.Height, Height) << row.name;
    EXPECT_EQ(video.FramesDecoded, FrameCount) << row.name;
    EXPECT_DOUBLE_EQ(video.FramesPerSecond, Fps) << row.name;
    // The first frame's colours, through 4:2:0 and the encoder's loss.
    const scene::TTextureImage first = GradientFrame(0);
    double difference = 0;
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x)
        for (int c = 0; c < 3; ++c)
          difference += std::abs(first.Pixel(x, y)[c] -
                                 video.FirstFrameRgb[(static_cast<size_t>(y) * Width + x) * 3 + c]);
    EXPECT_LT(difference / (Width * Height * 3), 4.0) << row.name << ": mean difference";
  }
  EXPECT_EQ(Entries(), QStringList({"clip.mp4", "clip.webm"}));
}

TEST_F(ClipWriter, AGifHasOnePaletteForAllItsFramesAndLastsTheClipsLength) {
  Record(Settings("clip.gif"));
  const test::TGifFacts gif = test::ReadGif(Folder.filePath("clip.gif").toStdString());
  ASSERT_EQ(gif.Error, "");
  EXPECT_EQ(gif.Width, Width);
  EXPECT_EQ(gif.Height, Height);
  EXPECT_EQ(gif.Frames, FrameCount);
  EXPECT_TRUE(gif.GlobalPalette);
  EXPECT_EQ(gif.FramesWithTheirOwnPalette, 0);
  EXPECT_EQ(gif.DelaySum, 100 * FrameCount / Fps);
  EXPECT_TRUE(gif.Loops);
  // As a viewer shows them: each frame near its source (through 256 colours), and the square
  // moved, so no two frames are the same.
  const QImage read(Folder.filePath("clip.gif"));
  ASSERT_FALSE(read.isNull());
  for (size_t i = 1; i < gif.Pictures.size(); ++i)
    EXPECT_NE(gif.Pictures[i], gif.Pictures[i - 1]) << "frame " << i;
  // The first frame's colours, as Qt's GIF reader gives them: about as near the source as a
  // GIF screenshot of that frame alone (a palette of its own) comes.
  const scene::TTextureImage source = GradientFrame(0);
  const auto meanDifference = [&](const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    double difference = 0;
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x)
        for (int c = 0; c < 3; ++c)
          difference += std::abs(source.Pixel(x, y)[c] - rgb.constScanLine(y)[3 * x + c]);
    return difference / (Width * Height * 3);
  };
  const QString alone = Folder.filePath("alone.gif");
  ImageWriter.Write(source, ui::TImageContainer::Gif, std::nullopt, alone.toStdString());
  const double clipDifference = meanDifference(read),
               aloneDifference = meanDifference(QImage(alone));
  EXPECT_LT(clipDifference, aloneDifference * 1.5 + 1) << "the screenshot's " << aloneDifference;
}

TEST_F(ClipWriter, ASequenceHoldsEachFrameExactlyInANumberedPicture) {
  Record(Settings("f-%02d.png"));
  QStringList expected;
  for (int i = 0; i < FrameCount; ++i)
    expected << QString::asprintf("f-%02d.png", i);
  EXPECT_EQ(Entries(), expected);
  for (int i : {0, 7, 19}) {
    const QImage picture = QImage(Folder.filePath(QString::asprintf("f-%02d.png", i)))
                               .convertToFormat(QImage::Format_RGBA8888);
    ASSERT_EQ(picture.size(), QSize(Width, Height));
    const scene::TTextureImage frame = GradientFrame(i);
    for (int y = 0; y < Height; ++y)
      ASSERT_EQ(std::memcmp(picture.constScanLine(y), frame.Pixel(0, y), Width * 4), 0)
          << "frame " << i << " row " << y;
  }
}

// Stopped half-way or in Finish: the old file of the target's name as it was, and nothing else.
TEST_F(ClipWriter, AClipThatIsNotFinishedLeavesTheFolderAsItWas) {
  for (const char* name : {"clip.mp4", "clip.webm", "clip.gif", "f-%d.png"}) {
    const QString old = Folder.filePath(QString(name).replace("%d", "0"));
    {
      QFile file(old);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("made before");
    }
    for (bool inFinish : {false, true}) {
      TClipSettings settings = Settings(name);
      settings.StopRequested = [] { return true; };
      {
        const auto writer = OpenClipWriter(settings);
        for (int i = 0; i < FrameCount / 2; ++i)
          writer->AddFrame(GradientFrame(i));
        if (inFinish) {
          EXPECT_THROW(writer->Finish(), EClipStopped) << name;
        }
      }
      EXPECT_EQ(Entries(), QStringList{QFileInfo(old).fileName()}) << name << " " << inFinish;
      QFile file(old);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      EXPECT_EQ(file.readAll(), "made before") << name;
    }
    QFile::remove(old);
  }
}

// H.264 in 4:2:0 takes no odd side: the refusal is raised before any frame, and what the
// writer had made (the pending file, the container, the encoder) is gone with it.
TEST_F(ClipWriter, AVideoThatCannotBeMadeLeavesNothing) {
  TClipSettings settings = Settings("clip.mp4");
  settings.Width = Width + 1;
  try {
    OpenClipWriter(settings);
    ADD_FAILURE() << "H.264 took an odd width";
  } catch (const EClipEncodingFailed& e) {
    EXPECT_EQ(std::string(e.what()), "H.264 in 4:2:0 needs an even width and height, not 321x180");
  }
  EXPECT_EQ(Entries(), QStringList());
}

}  // namespace
}  // namespace record
