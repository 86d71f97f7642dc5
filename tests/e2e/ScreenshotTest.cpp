// The screenshot command as a person uses it: "Screenshot" opens the save dialog in the
// picture folder (documents/Quorvex/Planets, made at start); a bare name typed there is saved
// as a JPEG of the view with the body's name but without the side panel and the information
// texts; a name ending ".bmp" as a BMP; cancelling writes nothing. The documents folder is a
// fresh one of the test's (XDG's user-dirs.dirs under a config folder of its own).
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <thread>

#include "MenuDriver.h"

namespace e2e {
namespace {

// Pixels of `colour` (within 6 levels per channel) in `r`.
int InkIn(const QImage& image, QRect r, QColor colour) {
  return CountColour(image, r, colour, 6);
}
// Light grey name at the top centre; white information texts either side of x = 960 (the
// panel: ShowsThePanel).
const QRect LabelArea(760, 0, 400, 40);
const QRect InfoArea(700, 40, 520, 300);

struct Screenshot : ::testing::Test {
  QTemporaryDir Home;
  QString Pictures;
  std::unique_ptr<TProcess> Program;

  void SetUp() override {
    ASSERT_TRUE(Home.isValid());
    const QString config = Home.filePath("config"), documents = Home.filePath("Documents");
    QDir().mkpath(config);
    QDir().mkpath(documents);
    QFile dirs(config + "/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write(("XDG_DOCUMENTS_DIR=\"" + documents + "\"\n").toUtf8());
    dirs.close();
    setenv("XDG_CONFIG_HOME", config.toUtf8().constData(), 1);
    Pictures = documents + "/Quorvex/Planets";
    Program = std::make_unique<TProcess>(ORVANE_BINARY);
    ASSERT_TRUE(WaitForWindow("^Moons of Orvane$")) << Program->Output();
    ASSERT_TRUE(ShowsTheGlidedInPlanet(CaptureAfterTheGlide()));
  }

  QStringList Saved() const { return QDir(Pictures).entryList(QDir::Files, QDir::Name); }

  // Chooses "Screenshot" and answers the dialog's window once it is shown.
  std::optional<unsigned long> OpenTheDialog() {
    const QRect menu = OpenMenuAt({1500, 150});
    if (menu.isEmpty()) return std::nullopt;
    ChooseMenuRow(menu, TMenuRow::Screenshot);
    return WaitForWindow("^Save", 20s);
  }
  // Types a name into the open dialog and confirms it; waits for the file.
  bool SaveAs(const std::string& name, const QString& expected) {
    const auto dialog = OpenTheDialog();
    if (!dialog) return false;
    std::this_thread::sleep_for(500ms);
    SavePicture(CaptureScreen(), "screenshot-dialog");
    Xdotool("type --delay 20 '" + name + "'");
    Xdotool("key Return");
    for (int i = 0; i < 200 && !QFile::exists(Pictures + "/" + expected); ++i)
      std::this_thread::sleep_for(100ms);
    // The picture is complete once it is in its place: it is written beside and moved in.
    return QFile::exists(Pictures + "/" + expected);
  }
};

TEST_F(Screenshot, SavesTheViewAsJpegOrBmpInThePictureFolderAndCancelWritesNothing) {
  ASSERT_TRUE(QDir(Pictures).exists()) << "the picture folder is made at start";
  // The information texts on: they are not in the picture.
  ChooseMenuRow(OpenMenuAt({1500, 150}), ShowInfo);
  const QImage screen =
      CaptureWhen([](const QImage& s) { return InkIn(s, InfoArea, Qt::white) > 300; });
  ASSERT_GT(InkIn(screen, InfoArea, Qt::white), 300);

  ASSERT_TRUE(SaveAs("first", "first.jpg")) << Saved().join(", ").toStdString();
  QFile jpeg(Pictures + "/first.jpg");
  ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(jpeg.read(3) == QByteArray("\xFF\xD8\xFF", 3)) << "a JPEG file";
  const QImage picture(Pictures + "/first.jpg");
  SavePicture(picture, "screenshot-jpeg");
  ASSERT_EQ(picture.size(), QSize(1920, 1080));
  EXPECT_TRUE(ShowsTheGlidedInPlanet(picture));
  EXPECT_GT(InkIn(picture, LabelArea, QColor(0xBA, 0xBA, 0xBA)), 50) << "the name is in it";
  EXPECT_LT(InkIn(picture, InfoArea, Qt::white), 20) << "the information texts are not";
  EXPECT_FALSE(ShowsThePanel(picture)) << "nor is the panel";
  EXPECT_TRUE(ShowsThePanel(CaptureWhen(ShowsThePanel))) << "which the screen still shows";

  ASSERT_TRUE(SaveAs("second.bmp", "second.bmp")) << Saved().join(", ").toStdString();
  QFile bmp(Pictures + "/second.bmp");
  ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
  EXPECT_EQ(bmp.read(2), QByteArray("BM"));
  EXPECT_EQ(QImage(Pictures + "/second.bmp").size(), QSize(1920, 1080));

  const auto dialog = OpenTheDialog();
  ASSERT_TRUE(dialog);
  std::this_thread::sleep_for(500ms);
  Xdotool("key Escape");
  for (int i = 0; i < 100 && WindowExists(*dialog); ++i)
    std::this_thread::sleep_for(100ms);
  EXPECT_FALSE(WindowExists(*dialog));
  std::this_thread::sleep_for(1s);
  EXPECT_EQ(Saved(), QStringList({"first.jpg", "second.bmp"}));

  ChooseMenuRow(OpenMenuAt({1500, 150}), Exit);
  EXPECT_EQ(Program->Wait(10s), 0) << Program->Output();
}

// High-DPI screens: with the screen's scale at 1.5 or 2, the view fills the screen's pixels,
// the panel stands at 40 window units (60 or 80 pixels), and a screenshot has the view's
// size in pixels: its size in window units times the scale.
class ScaledScreenshot : public Screenshot, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    setenv("QT_SCALE_FACTOR", GetParam(), 1);
    Screenshot::SetUp();
  }
  void TearDown() override { unsetenv("QT_SCALE_FACTOR"); }
};

TEST_P(ScaledScreenshot, TheViewThePanelAndTheScreenshotFollowTheScale) {
  const double scale = std::stod(GetParam());
  const QImage screen = CaptureWhen(ShowsThePanel);
  SavePicture(screen, std::string("scale-") + GetParam());
  const int panel = static_cast<int>(40 * scale);
  EXPECT_TRUE(ShowsThePanelAt(screen, panel, panel));
  EXPECT_TRUE(ShowsTheGlidedInPlanet(screen));
  ASSERT_TRUE(SaveAs("scaled", "scaled.jpg")) << Saved().join(", ").toStdString();
  const QImage picture(Pictures + "/scaled.jpg");
  EXPECT_EQ(picture.size(), QSize(1920, 1080));
  EXPECT_TRUE(ShowsTheGlidedInPlanet(picture));
  ChooseMenuRow(OpenMenuAt({1500, 150}), Exit);
  EXPECT_EQ(Program->Wait(10s), 0) << Program->Output();
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledScreenshot, ::testing::Values("1.5", "2"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param[0] == '2' ? "Two" : "OneAndAHalf");
                         });

// Bright pixels across the picture's middle row: the planet's width there (with the rings
// beside it) grows as the camera glides in.
int BrightAcrossTheMiddle(const QImage& picture) {
  int bright = 0;
  for (int x = 0; x < picture.width(); ++x)
    bright += Brightness(picture, x, picture.height() / 2) > 60;
  return bright;
}

// `orvane --screenshot FILE` on a machine without a display: it prints nothing, ends with 0,
// and the file holds what the menu's screenshot holds (the view with the body's name, no panel,
// no information texts), replacing a file of that name whole; --size and --at choose the
// picture's size and moment. A file it cannot write ends it with 1 and the reason.
TEST(HeadlessScreenshot, SavesTheViewWithoutADisplayAsTheMenuDoes) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  TEnvironmentChange noDisplay("DISPLAY", nullptr), noWayland("WAYLAND_DISPLAY", nullptr);
  const auto run = [&](const std::vector<std::string>& args) {
    auto program = std::make_unique<TProcess>(ORVANE_BINARY, args);
    program->Wait(60s);
    return program;
  };
  const QString view = folder.filePath("view.jpg");
  {
    QFile old(view);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the picture saved last time");
  }
  auto program = run({"--screenshot", view.toStdString()});
  EXPECT_EQ(program->Wait(0ms), 0) << program->Output();
  EXPECT_EQ(program->Output(), "");
  QFile jpeg(view);
  ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(jpeg.read(3) == QByteArray("\xFF\xD8\xFF", 3)) << "a JPEG file";
  const QImage picture(view);
  SavePicture(picture, "headless-screenshot");
  ASSERT_EQ(picture.size(), QSize(1920, 1080));
  EXPECT_TRUE(ShowsTheGlidedInPlanet(picture));
  EXPECT_GT(InkIn(picture, LabelArea, QColor(0xBA, 0xBA, 0xBA)), 50) << "the name is in it";
  EXPECT_LT(InkIn(picture, InfoArea, Qt::white), 20) << "the information texts are not";
  EXPECT_FALSE(ShowsThePanel(picture)) << "nor is the panel";

  // At the glide's start the camera is further out than at its end: a smaller planet.
  const QString start = folder.filePath("start.png"), small = folder.filePath("small.png");
  program = run({"--screenshot", start.toStdString(), "--at", "0"});
  EXPECT_EQ(program->Wait(0ms), 0) << program->Output();
  EXPECT_LT(BrightAcrossTheMiddle(QImage(start)), BrightAcrossTheMiddle(picture) * 2 / 3);
  program = run({"--screenshot", small.toStdString(), "--size", "640x400"});
  EXPECT_EQ(program->Wait(0ms), 0) << program->Output();
  const QImage smallPicture(small);
  SavePicture(smallPicture, "headless-screenshot-640x400");
  EXPECT_EQ(smallPicture.size(), QSize(640, 400));
  EXPECT_GT(Brightness(smallPicture, 320, 200), 40) << "the planet in the middle";
  // A PNG holds what the screen showed: opaque everywhere (the rings and the gap between them
  // and the planet over the window's black, not see-through), and the colours of the same
  // moment's JPEG within the JPEG's error.
  const QImage smallPng = smallPicture.convertToFormat(QImage::Format_ARGB32);
  int seeThrough = 0;
  for (int y = 0; y < smallPng.height(); ++y)
    for (int x = 0; x < smallPng.width(); ++x)
      seeThrough += qAlpha(smallPng.pixel(x, y)) != 255;
  EXPECT_EQ(seeThrough, 0);
  const QString smallJpeg = folder.filePath("small.jpg");
  program = run({"--screenshot", smallJpeg.toStdString(), "--size", "640x400"});
  EXPECT_EQ(program->Wait(0ms), 0) << program->Output();
  const QImage jpegPicture(smallJpeg);
  ASSERT_EQ(jpegPicture.size(), smallPng.size());
  long long difference = 0;
  int far = 0;
  for (int y = 0; y < smallPng.height(); ++y)
    for (int x = 0; x < smallPng.width(); ++x) {
      const QRgb a = smallPng.pixel(x, y), b = jpegPicture.pixel(x, y);
      const int d = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b));
      difference += d;
      far += d > 48;
    }
  EXPECT_LT(difference / (640.0 * 400 * 3), 2.0) << "mean difference per channel";
  EXPECT_LT(far, 640 * 400 / 200) << "pixels far from the JPEG's";

  const QString unwritable = folder.filePath("gone/view.png");
  program = run({"--screenshot", unwritable.toStdString()});
  EXPECT_EQ(program->Wait(0ms), 1);
  EXPECT_NE(program->Output().find("Cannot create \"" + unwritable.toStdString()),
            std::string::npos)
      << program->Output();
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            QStringList({"small.jpg", "small.png", "start.png", "view.jpg"}));
}

}  // namespace
}  // namespace e2e
