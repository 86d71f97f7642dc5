// Image files on Qt's writers and giflib: each container read back as what it claims to be,
// JPEG at the best quality close to the picture, PNG with its alpha, GIF in 256 colours; and a
// save that fails, whether the folder refuses the file, the disk fills up or the encoder gives
// up part-way, leaves an existing file of that name byte for byte as it was and nothing else.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "ui/files/BitmapCodecs.h"
#include "ui/qt/QtImageFileWriter.h"

namespace ui::qt {
namespace {

// A smooth opaque gradient with a sharp-edged square, `width` x `height`.
scene::TTextureImage TestPicture(int width, int height) {
  scene::TTextureImage picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = picture.Pixel(x, y);
      const bool square = x > width / 4 && x < width / 2 && y > height / 4 && y < height / 2;
      p[0] = static_cast<std::uint8_t>(255 * x / width);
      p[1] = static_cast<std::uint8_t>(255 * y / height);
      p[2] = square ? 255 : 60;
      p[3] = 255;
    }
  return picture;
}

// The mean difference of a colour channel between the picture and a file read back.
double MeanDifference(const scene::TTextureImage& picture, const QImage& file) {
  const QImage back = file.convertToFormat(QImage::Format_RGBA8888);
  double sum = 0;
  for (int y = 0; y < picture.Height; ++y)
    for (int x = 0; x < picture.Width; ++x)
      for (int c = 0; c < 3; ++c)
        sum += std::abs(picture.Pixel(x, y)[c] - back.constScanLine(y)[4 * x + c]);
  return sum / (3.0 * picture.Width * picture.Height);
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ImageFiles : ::testing::Test {
  QTemporaryDir folder;
  TQtImageFileWriter writer;
  scene::TTextureImage picture = TestPicture(96, 64);
  std::string Path(const QString& name) { return folder.filePath(name).toStdString(); }
  QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
  // A folder where nothing may be created, holding an old.png. Permissions stop anyone but
  // root: for root (as the tests run in CI) it is the kernel's sysfs, whose folders refuse a new
  // file to everyone, and where no old.png can be laid.
  QString ReadOnlyFolder() {
    if (geteuid() == 0) return QStringLiteral("/sys");
    const QString locked = folder.filePath("locked");
    if (QDir().mkdir(locked)) {
      QFile old(locked + "/old.png");
      if (old.open(QIODevice::WriteOnly)) old.write("the picture saved last time");
      QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    }
    return locked;
  }
  // Writable again, so that the temporary folder can be removed.
  ~ImageFiles() override {
    QFile::setPermissions(folder.filePath("locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
};

TEST_F(ImageFiles, EachContainerReadsBackAsItself) {
  using C = TImageContainer;
  const struct {
    C Container;
    const char* Name;
    const char* Format;  // what the reader finds in the file
    double Tolerance;    // mean difference per channel
  } cases[] = {
      {C::Bmp, "a.bmp", "bmp", 0},     {C::Png, "a.png", "png", 0}, {C::Tiff, "a.tif", "tiff", 0},
      {C::Jpeg, "a.jpg", "jpeg", 1.5}, {C::Gif, "a.gif", "gif", 8}, {C::Png, "a.ico", "png", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    writer.Write(picture, c.Container, 1.0f, Path(c.Name));
    QImageReader reader(folder.filePath(c.Name));
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), QByteArray(c.Format));
    const QImage back = reader.read();
    ASSERT_EQ(back.size(), QSize(96, 64)) << reader.errorString().toStdString();
    EXPECT_LE(MeanDifference(picture, back), c.Tolerance);
  }
  EXPECT_EQ(Files().size(), 6) << Files().join(", ").toStdString();
}

TEST_F(ImageFiles, JpegQualityOneIsTheBestAndNoneTheEncodersDefault) {
  writer.Write(picture, TImageContainer::Jpeg, 1.0f, Path("best.jpg"));
  writer.Write(picture, TImageContainer::Jpeg, 0.1f, Path("poor.jpg"));
  writer.Write(picture, TImageContainer::Jpeg, std::nullopt, Path("default.jpg"));
  const double best = MeanDifference(picture, QImage(folder.filePath("best.jpg")));
  const double poor = MeanDifference(picture, QImage(folder.filePath("poor.jpg")));
  EXPECT_LE(best, 1.5);
  EXPECT_GT(poor, 2 * best);
  EXPECT_GT(Contents(folder.filePath("best.jpg")).size(),
            Contents(folder.filePath("default.jpg")).size());
}

TEST_F(ImageFiles, PngKeepsTheAlphaAndGifUsesAtMost256Colours) {
  // Half transparent, premultiplied: (100, 50, 0) at alpha 128 is (199, 100, 0) straight.
  scene::TTextureImage translucent(8, 8);
  for (int i = 0; i < 64; ++i) {
    std::uint8_t* p = &translucent.Pixels[static_cast<size_t>(i) * 4];
    p[0] = 100, p[1] = 50, p[2] = 0, p[3] = 128;
  }
  writer.Write(translucent, TImageContainer::Png, std::nullopt, Path("alpha.png"));
  const QImage png(folder.filePath("alpha.png"));
  EXPECT_TRUE(png.hasAlphaChannel());
  const QColor c = png.pixelColor(3, 3);
  EXPECT_EQ(c.alpha(), 128);
  EXPECT_NEAR(c.red(), 199, 1);
  EXPECT_NEAR(c.green(), 100, 1);

  const scene::TTextureImage colourful = TestPicture(300, 200);  // thousands of colours
  writer.Write(colourful, TImageContainer::Gif, std::nullopt, Path("many.gif"));
  const QImage gif = QImage(folder.filePath("many.gif")).convertToFormat(QImage::Format_RGB32);
  QSet<QRgb> colours;
  for (int y = 0; y < gif.height(); ++y)
    for (int x = 0; x < gif.width(); ++x)
      colours.insert(gif.pixel(x, y));
  EXPECT_LE(colours.size(), 256);
  EXPECT_GT(colours.size(), 64) << "a quantisation that keeps the gradient";
  EXPECT_LE(MeanDifference(colourful, gif), 8);
}

// Each failure below meets an existing file of the target's name (but in sysfs, where none can
// be laid).
struct TFailure {
  const char* What;
  std::function<std::string(ImageFiles&)> Target;  // the path saved to
  scene::TTextureImage Picture;
  TImageContainer Container;
  bool FileSystemError;  // else "Saving bitmap failed."
};

TEST_F(ImageFiles, AFailedSaveLeavesTheExistingFileWholeAndNothingElse) {
  QDir(folder.path()).mkpath("sub");
  const TFailure failures[] = {
      {"the encoder gives up (wider than a GIF can be)",
       [](ImageFiles& t) { return t.Path("sub/old.gif"); }, scene::TTextureImage(70000, 1),
       TImageContainer::Gif, false},
      {"an empty picture", [](ImageFiles& t) { return t.Path("sub/old.png"); },
       scene::TTextureImage(), TImageContainer::Png, false},
      {"a folder that is a file", [](ImageFiles& t) { return t.Path("sub/old.png/x.png"); },
       TestPicture(8, 8), TImageContainer::Png, true},
      {"a folder that does not exist", [](ImageFiles& t) { return t.Path("gone/x.png"); },
       TestPicture(8, 8), TImageContainer::Png, true},
      {"a name too long for the file system",
       [](ImageFiles& t) { return t.Path("sub/" + QString(300, 'n') + ".png"); }, TestPicture(8, 8),
       TImageContainer::Png, true},
      {"a folder where nothing may be created",
       [](ImageFiles& t) { return (t.ReadOnlyFolder() + "/old.png").toStdString(); },
       TestPicture(8, 8), TImageContainer::Png, true},
  };
  for (const char* name : {"sub/old.gif", "sub/old.png"}) {
    QFile old(folder.filePath(name));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the picture saved last time");
  }
  for (const TFailure& f : failures) {
    SCOPED_TRACE(f.What);
    const std::string target = f.Target(*this);
    try {
      writer.Write(f.Picture, f.Container, std::nullopt, target);
      ADD_FAILURE() << "saved";
    } catch (const EBitmapSavingFailed& e) {
      EXPECT_FALSE(f.FileSystemError) << e.what();
      EXPECT_STREQ(e.what(), "Saving bitmap failed.");
    } catch (const EFileSystemError& e) {
      EXPECT_TRUE(f.FileSystemError) << e.what();
      EXPECT_NE(std::string(e.what()).find(target), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(Contents(folder.filePath("sub/old.gif")), "the picture saved last time");
  EXPECT_EQ(Contents(folder.filePath("sub/old.png")), "the picture saved last time");
  EXPECT_EQ(QDir(folder.filePath("sub")).entryList(QDir::Files | QDir::Hidden),
            QStringList({"old.gif", "old.png"}));
  const QString locked = ReadOnlyFolder();
  if (locked == "/sys") {
    EXPECT_FALSE(QFileInfo::exists("/sys/old.png"));
    EXPECT_TRUE(QDir("/sys").entryList({"*old.png*"}, QDir::Files | QDir::Hidden).isEmpty());
  } else {
    EXPECT_EQ(Contents(locked + "/old.png"), "the picture saved last time");
    EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList({"old.png"}));
  }
}

// A disk that fills up part-way: files may grow to 4 KB only (what the writes beyond get is
// an error, not the signal that would end the process). The system's reason is reported.
TEST_F(ImageFiles, ADiskFullPartWayLeavesTheExistingFileWhole) {
  QFile old(folder.filePath("full.bmp"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("the picture saved last time");
  old.close();
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  try {
    writer.Write(TestPicture(200, 200), TImageContainer::Bmp, std::nullopt, Path("full.bmp"));
  } catch (const EFileSystemError& e) {
    error = e.what();
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previousHandler);
  EXPECT_NE(error.find("full.bmp\": File too large"), std::string::npos) << error;
  EXPECT_EQ(Contents(folder.filePath("full.bmp")), "the picture saved last time");
  EXPECT_EQ(Files(), QStringList({"full.bmp"}));
}

TEST_F(ImageFiles, ReplacesAnExistingFileAndTakesNamesBeyondAscii) {
  const std::string name = Path(QString::fromUtf8("Éncelade — 土星.png"));
  QFile old(QString::fromStdString(name));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("the picture saved last time");
  old.close();
  writer.Write(picture, TImageContainer::Png, std::nullopt, name);
  EXPECT_EQ(QImage(QString::fromStdString(name)).size(), QSize(96, 64));
  EXPECT_EQ(Files().size(), 1);
}

// A process killed while it saves, again and again over the same name, at moments spread over
// a save's length: whenever it dies, the file of that name is a whole picture (the previous
// save's), never a partial one. What a killed save leaves is its own file beside it, which the
// next save does not need.
TEST_F(ImageFiles, AProcessKilledWhileSavingLeavesTheLastWholePicture) {
  const std::string target = Path("killed.bmp");
  int kills = 0;
  for (int delayUs : {0, 700, 1500, 3000, 5000, 9000, 15000}) {
    SCOPED_TRACE(delayUs);
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::dup2(out[1], STDOUT_FILENO);
      ::close(out[0]);
      ::close(out[1]);
      ::execl(ORVANE_SAVE_LOOP_PROBE, ORVANE_SAVE_LOOP_PROBE, target.c_str(),
              static_cast<char*>(nullptr));
      _exit(127);
    }
    ::close(out[1]);
    char byte = 0;
    const bool saved = ::read(out[0], &byte, 1) == 1;  // a first whole save
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(out[0]);
    ASSERT_TRUE(saved) << "the saving process ended before its first save";
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ++kills;
    const QImage picture(QString::fromStdString(target));
    ASSERT_EQ(picture.size(), QSize(1200, 800));
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    int wrong = 0;
    for (int y = 0; y < 800; y += 7)
      for (int x = 0; x < 1200; x += 5) {
        const uchar* p = rgb.constScanLine(y) + 3 * x;
        if (p[0] != (x & 0xFF) || p[1] != (y & 0xFF) || p[2] != ((x ^ y) & 0xFF)) ++wrong;
      }
    EXPECT_EQ(wrong, 0);
  }
  EXPECT_EQ(kills, 7);
}

}  // namespace
}  // namespace ui::qt
