// `orvane --record` as a person uses it, on a machine without a display: the clip of each kind
// read back with a player's libraries, the pictures of a sequence against --screenshot of their
// moments, a recording stopped half-way by a signal, the reasons and statuses of what cannot be
// done, and the progress line on a terminal.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <thread>

#include "ClipProbe.h"
#include "E2eSupport.h"

namespace e2e {
namespace {

struct Recording : ::testing::Test {
  QTemporaryDir Folder;
  TEnvironmentChange NoDisplay{"DISPLAY", nullptr}, NoWayland{"WAYLAND_DISPLAY", nullptr};

  std::string PathOf(const char* name) const { return Folder.filePath(name).toStdString(); }
  // Runs the program to its end; its status and output.
  std::pair<int, std::string> Run(const std::vector<std::string>& args) const {
    TProcess program(ORVANE_BINARY, args);
    const std::optional<int> status = program.Wait(120s);
    return {status.value_or(-1), program.Output()};
  }
  QStringList Entries() const {
    return QDir(Folder.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }
};

TEST_F(Recording, VideosHoldEveryFrameAtTheSizeAskedAndNothingIsPrinted) {
  const struct {
    const char* name;
    const char* codec;
  } rows[] = {{"clip.mp4", "h264"}, {"clip.webm", "vp9"}};
  for (const auto& row : rows) {
    const auto [status, output] =
        Run({"--record", PathOf(row.name), "--seconds", "2", "--fps", "10", "--size", "320x180"});
    EXPECT_EQ(status, 0) << output;
    EXPECT_EQ(output, "");
    const record::test::TVideoFacts video = record::test::ReadVideo(PathOf(row.name));
    ASSERT_EQ(video.Error, "") << row.name;
    EXPECT_EQ(video.Codec, row.codec);
    EXPECT_EQ(video.PixelFormat, "yuv420p") << row.name;
    EXPECT_EQ(video.Width, 320) << row.name;
    EXPECT_EQ(video.Height, 180) << row.name;
    EXPECT_EQ(video.FramesDecoded, 20) << row.name;
    EXPECT_DOUBLE_EQ(video.FramesPerSecond, 10) << row.name;
    const QImage first(video.FirstFrameRgb.data(), 320, 180, 320 * 3, QImage::Format_RGB888);
    SavePicture(first, std::string("record-first-frame-") + row.codec);
    EXPECT_GT(Brightness(first, 160, 90), 40) << row.name << ": the planet in the middle";
  }
  EXPECT_EQ(Entries(), QStringList({"clip.mp4", "clip.webm"}));
}

// Frame i of a sequence is the moment From + i * Speed / Fps, pixel for pixel as --screenshot
// draws it at that moment: the clock is run from frame to frame as --screenshot runs it.
TEST_F(Recording, EachPictureOfASequenceIsTheScreenshotOfItsMoment) {
  const struct {
    std::vector<std::string> options;
    int frames;
    std::vector<std::pair<int, const char*>> moments;  // frame, --at
  } rows[] = {
      {{"--fps", "10", "--seconds", "1"}, 10, {{0, "3"}, {1, "3.1"}, {4, "3.4"}, {9, "3.9"}}},
      // A 10x time-lapse from the glide's start: every frame moves the scene by 2 s.
      {{"--fps", "5", "--seconds", "0.6", "--from", "0", "--speed", "10"},
       3,
       {{0, "0"}, {1, "2"}, {2, "4"}}},
  };
  for (const auto& row : rows) {
    QTemporaryDir folder;
    std::vector<std::string> args = {"--record", folder.filePath("f-%03d.png").toStdString(),
                                     "--size", "320x180"};
    args.insert(args.end(), row.options.begin(), row.options.end());
    const auto [status, output] = Run(args);
    ASSERT_EQ(status, 0) << output;
    EXPECT_EQ(output, "");
    EXPECT_EQ(QDir(folder.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                  .size(),
              row.frames);
    for (const auto& [frame, at] : row.moments) {
      const QString name = QString::asprintf("f-%03d.png", frame);
      const std::string screenshot = PathOf("screenshot.png");
      const auto [shotStatus, shotOutput] =
          Run({"--screenshot", screenshot, "--size", "320x180", "--at", at});
      ASSERT_EQ(shotStatus, 0) << shotOutput;
      const QImage recorded = QImage(folder.filePath(name)).convertToFormat(QImage::Format_ARGB32);
      const QImage expected =
          QImage(QString::fromStdString(screenshot)).convertToFormat(QImage::Format_ARGB32);
      ASSERT_EQ(recorded.size(), QSize(320, 180)) << name.toStdString();
      EXPECT_TRUE(recorded == expected) << name.toStdString() << " against --at " << at;
      if (frame == row.moments.back().first)
        SavePicture(recorded, "record-sequence-at-" + std::string(at));
    }
  }
}

TEST_F(Recording, AGifIsAnimatedInTwentyFramesWithOnePalette) {
  const auto [status, output] = Run({"--record", PathOf("clip.gif"), "--seconds", "2", "--fps",
                                     "10", "--size", "320x180", "--speed", "10"});
  ASSERT_EQ(status, 0) << output;
  EXPECT_EQ(output, "");
  const record::test::TGifFacts gif = record::test::ReadGif(PathOf("clip.gif"));
  ASSERT_EQ(gif.Error, "");
  EXPECT_EQ(gif.Width, 320);
  EXPECT_EQ(gif.Height, 180);
  EXPECT_EQ(gif.Frames, 20);
  EXPECT_TRUE(gif.GlobalPalette);
  EXPECT_EQ(gif.FramesWithTheirOwnPalette, 0) << "one palette for the clip: no flicker";
  EXPECT_EQ(gif.DelaySum, 200) << "hundredths of a second: the clip's 2 s";
  EXPECT_TRUE(gif.Loops);
  ASSERT_EQ(gif.Pictures.size(), 20u);
  EXPECT_NE(gif.Pictures.front(), gif.Pictures.back()) << "the moons moved";
  const QImage first(QString::fromStdString(PathOf("clip.gif")));
  SavePicture(first, "record-gif-first-frame");
  EXPECT_GT(Brightness(first, 160, 90), 40) << "the planet in the middle";
}

// Ctrl+C or a kill half-way: the file of the target's name as it was, byte for byte, and
// nothing else in the folder; the program ends by the signal.
TEST_F(Recording, StoppedHalfWayLeavesTheFolderAsItWas) {
  const struct {
    const char* name;
    const char* existing;
    int signal;
  } rows[] = {
      {"clip.mp4", "clip.mp4", SIGTERM},
      {"clip.gif", "clip.gif", SIGINT},
      {"f-%02d.png", "f-00.png", SIGTERM},
  };
  for (const auto& row : rows) {
    const QString existing = Folder.filePath(row.existing);
    {
      QFile file(existing);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("made before\n");
    }
    TProcess program(ORVANE_BINARY,
                     {"--record", PathOf(row.name), "--seconds", "60", "--size", "640x360"});
    // Under way: the pending clip stands beside the target, and frames are being drawn.
    for (int i = 0; i < 300 && Entries().size() < 2; ++i)
      std::this_thread::sleep_for(100ms);
    ASSERT_EQ(Entries().size(), 2) << row.name << ": " << program.Output();
    std::this_thread::sleep_for(2s);
    ASSERT_TRUE(program.Running()) << program.Output();
    kill(program.Pid(), row.signal);
    EXPECT_EQ(program.Wait(30s), 128 + row.signal) << row.name << ": " << program.Output();
    EXPECT_EQ(Entries(), QStringList{row.existing}) << row.name;
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "made before\n") << row.name;
    file.close();
    QFile::remove(existing);
  }
}

TEST_F(Recording, WhatCannotBeDoneSaysWhyAndEndsWithItsStatus) {
  const std::string missing = PathOf("gone/clip.mp4");
  const struct {
    std::vector<std::string> args;
    int status;
    std::string message;
  } rows[] = {
      {{"--record", missing, "--seconds", "1"},
       1,
       "orvane: Cannot create \"" + missing + "\": No such file or directory\n"},
      {{"--record", PathOf("clip.mp4"), "--seconds", "1", "--size", "321x180"},
       2,
       "orvane: H.264 (.mp4) needs an even width and height, not 321x180.\n\nUsage:"},
      {{"--record", PathOf("clip.avi"), "--seconds", "1"},
       2,
       "orvane: --record takes a .mp4, .webm or .gif file"},
      {{"--record", PathOf("clip.gif"), "--seconds", "0"}, 2, "orvane: --seconds takes"},
      {{"--record", PathOf("clip.gif"), "--seconds", "1", "--fps", "121"},
       2,
       "orvane: --fps takes"},
  };
  for (const auto& row : rows) {
    const auto [status, output] = Run(row.args);
    EXPECT_EQ(status, row.status) << output;
    EXPECT_EQ(output.substr(0, row.message.size()), row.message);
    if (row.status == 2) {
      EXPECT_NE(output.find("--record <file>"), std::string::npos) << "the usage: " << output;
    }
  }
  EXPECT_EQ(Entries(), QStringList());
}

// A full disk: the system's reason and status 1, and nothing left behind. The disk is a tmpfs of
// 16 KiB in a mount namespace of the run's own (skipped where the test may not make one).
// The viewer runs the recordings in a program of its own (it does not load the encoders
// itself); without it, --record says so and ends with status 1, leaving nothing.
TEST_F(Recording, WithoutTheRecordersProgramTheViewerSaysSo) {
  const std::string alone = PathOf("alone");
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(alone)));
  ASSERT_TRUE(QFile::copy(ORVANE_BINARY, QString::fromStdString(alone + "/orvane")));
  TProcess program(alone + "/orvane", {"--record", PathOf("clip.gif"), "--seconds", "1"});
  EXPECT_EQ(program.Wait(60s), 1);
  EXPECT_NE(program.Output().find("orvane-record, is missing"), std::string::npos)
      << program.Output();
  EXPECT_EQ(Entries(), QStringList({"alone"}));
}

TEST_F(Recording, AFullDiskSaysTheSystemsReasonAndLeavesNothing) {
  const std::string disk = PathOf("disk"), log = PathOf("full.log");
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(disk)));
  if (std::system(("unshare -m sh -c 'mount -t tmpfs -o size=16k tmpfs " + disk + "' 2>/dev/null")
                      .c_str()) != 0)
    GTEST_SKIP() << "no mount namespace here";
  for (const char* name : {"clip.mp4", "clip.webm", "clip.gif", "f-%02d.png"}) {
    const std::string command = "unshare -m sh -c 'mount -t tmpfs -o size=16k tmpfs " + disk +
                                " && " + ORVANE_BINARY + " --record \"" + disk + "/" + name +
                                "\" --seconds 1 --size 640x360 2>&1; echo status $?; ls -A " +
                                disk + "' > " + log;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    QFile file(QString::fromStdString(log));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string picture = std::string(name) == "f-%02d.png" ? "f-00.png" : name;
    EXPECT_EQ(file.readAll().toStdString(), "orvane: Cannot write \"" + disk + "/" + picture +
                                                "\": No space left on device\nstatus 1\n")
        << name;
  }
}

// On a terminal one line tells the progress, rewritten in place, and is wiped at the end.
TEST_F(Recording, ATerminalSeesOneProgressLineThatUpdates) {
  if (std::system("command -v script >/dev/null") != 0) GTEST_SKIP() << "no script(1)";
  const std::string log = PathOf("terminal.log");
  const std::string command = std::string("script -qec \"") + ORVANE_BINARY + " --record " +
                              PathOf("clip.gif") +
                              " --seconds 1 --fps 10 --size 160x90\" /dev/null > " + log;
  ASSERT_EQ(std::system(command.c_str()), 0);
  QFile file(QString::fromStdString(log));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::string screen = file.readAll().toStdString();
  EXPECT_NE(screen.find("\rorvane: recording frame 10 of 10 (100%), "), std::string::npos)
      << screen;
  EXPECT_NE(screen.find(" frames/s, 0:00 left"), std::string::npos) << screen;
  EXPECT_EQ(screen.find('\n'), std::string::npos) << "one line, rewritten: " << screen;
  EXPECT_EQ(screen.substr(screen.size() - 4), "\r\033[K") << "wiped at the end";
}

}  // namespace
}  // namespace e2e
