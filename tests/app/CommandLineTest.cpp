// The command line as the entry point reads it: what ends the program at once and with which
// status, what it prints where, and whether the main window opens full screen.
#include "app/CommandLine.h"
#include "app/KeyHelp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace app {
namespace {

const std::string Version = "orvane " ORVANE_TEST_VERSION "\n";

QStringList Arguments(const std::vector<const char*>& options) {
  QStringList arguments{QStringLiteral("/usr/bin/orvane")};
  for (const char* option : options)
    arguments << QString::fromUtf8(option);
  return arguments;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(CommandLine, RunsTheViewerFullScreenOrWindowed) {
  const struct {
    std::vector<const char*> options;
    bool windowed;
    std::string screen = "";
  } rows[] = {
      {{}, false},
      {{"--windowed"}, true},
      {{"-windowed"}, true},
      // Qt's own options pass on to the application object.
      {{"-platform", "xcb", "--windowed"}, true},
      {{"--platform=offscreen"}, false},
      {{"-style", "fusion", "-reverse"}, false},
      // The monitor is found once there is a display (the end-to-end tests).
      {{"--screen", "HDMI-1"}, false, "HDMI-1"},
      {{"--windowed", "--screen=1"}, true, "1"},
  };
  for (const auto& row : rows) {
    const TCommandLine line = ReadCommandLine(Arguments(row.options));
    const std::string what = Arguments(row.options).join(' ').toStdString();
    EXPECT_EQ(line.ExitCode, std::nullopt) << what;
    EXPECT_EQ(line.Windowed, row.windowed) << what;
    EXPECT_EQ(line.Screen, row.screen) << what;
    EXPECT_EQ(line.Out, "") << what;
    EXPECT_EQ(line.Err, "") << what;
  }
}

TEST(CommandLine, HelpAndVersionAnswerOnTheStandardOutputAndEnd) {
  for (const char* option : {"--help", "-h"}) {
    const TCommandLine line = ReadCommandLine(Arguments({option}));
    EXPECT_EQ(line.ExitCode, 0) << option;
    EXPECT_TRUE(Contains(line.Out, "Usage: orvane [options]")) << line.Out;
    EXPECT_TRUE(Contains(line.Out, "--windowed")) << line.Out;
    EXPECT_TRUE(Contains(line.Out, "--version")) << line.Out;
    // Qt's options work but are Qt's to describe.
    EXPECT_FALSE(Contains(line.Out, "platform")) << line.Out;
    EXPECT_EQ(line.Err, "");
  }
  const TCommandLine all = ReadCommandLine(Arguments({"--help-all"}));
  EXPECT_EQ(all.ExitCode, 0);
  EXPECT_TRUE(Contains(all.Out, "--windowed")) << all.Out;
  EXPECT_TRUE(Contains(all.Out, " -platform <value>")) << all.Out;
  EXPECT_EQ(all.Err, "");
  for (const char* option : {"--version", "-v"}) {
    const TCommandLine line = ReadCommandLine(Arguments({option, "--windowed"}));
    EXPECT_EQ(line.ExitCode, 0) << option;
    EXPECT_EQ(line.Out, Version);
    EXPECT_EQ(line.Err, "");
  }
  EXPECT_EQ(VersionLine() + "\n", Version);
}

// `--help` closes with every key and mouse action as F1 lists them, and the manual page and
// README name each key of the list.
TEST(CommandLine, HelpTheManualPageAndTheReadmeListEveryKey) {
  const std::string help = ReadCommandLine(Arguments({"--help"})).Out;
  const auto read = [](const char* path) {
    std::ifstream file(std::string(ORVANE_SOURCE_DIR) + "/" + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  };
  const std::string manual = read("packaging/orvane.1"), readme = read("README.md");
  ASSERT_FALSE(manual.empty());
  ASSERT_FALSE(readme.empty());
  EXPECT_TRUE(Contains(help, "Keys and mouse:")) << help;
  for (const TKeyHelpRow& row : KeyHelpRows) {
    EXPECT_TRUE(Contains(help, row.Keys) && Contains(help, row.Action)) << row.Keys;
    // Each key of the row ("Double-click, Space": both).
    std::istringstream keys(row.Keys);
    for (std::string key; std::getline(keys >> std::ws, key, ',');) {
      EXPECT_TRUE(Contains(manual, key)) << "the manual page lacks " << key;
      EXPECT_TRUE(Contains(readme, key)) << "README lacks " << key;
    }
  }
}

TEST(CommandLine, ScreenshotTakesAFileWithASizeAndAMoment) {
  const struct {
    std::vector<const char*> options;
    TScreenshotRequest request;
  } rows[] = {
      {{"--screenshot", "view.jpg"}, {"view.jpg", 1920, 1080, 3}},
      {{"--screenshot=Éncelade.png", "--size", "640x400"}, {"Éncelade.png", 640, 400, 3}},
      {{"--at", "0", "--screenshot", "/tmp/a b.bmp"}, {"/tmp/a b.bmp", 1920, 1080, 0}},
      {{"--screenshot", "v.tif", "--size=1x16384", "--at=12.5"}, {"v.tif", 1, 16384, 12.5}},
  };
  for (const auto& row : rows) {
    const TCommandLine line = ReadCommandLine(Arguments(row.options));
    EXPECT_EQ(line.ExitCode, std::nullopt) << line.Err;
    ASSERT_TRUE(line.Screenshot) << row.options[0];
    EXPECT_EQ(*line.Screenshot, row.request) << line.Screenshot->File;
  }
  EXPECT_FALSE(ReadCommandLine(Arguments({"--windowed"})).Screenshot);
}

TEST(CommandLine, RecordTakesAFileALengthARateASizeAStartAndASpeed) {
  const struct {
    std::vector<const char*> options;
    TRecordingRequest request;
    long frames;
    double lastMoment;
  } rows[] = {
      {{"--record", "clip.mp4", "--seconds", "2"},
       {"clip.mp4", 1920, 1080, 2, 30, 3, 1},
       60,
       3 + 59.0 / 30},
      {{"--record=f-%03d.png", "--seconds=1", "--fps=10", "--size=320x180"},
       {"f-%03d.png", 320, 180, 1, 10, 3, 1},
       10,
       3.9},
      // A 10x time-lapse from the glide's start.
      {{"--speed", "10", "--from", "0", "--record", "a.gif", "--seconds", "3", "--fps", "5"},
       {"a.gif", 1920, 1080, 3, 5, 0, 10},
       15,
       28},
      // Odd sizes where 4:2:0 is not required; at least one frame.
      {{"--record", "a.webm", "--seconds", "0.01", "--size", "321x181", "--fps", "1"},
       {"a.webm", 321, 181, 0.01, 1, 3, 1},
       1,
       3},
      {{"--record", "v.gif", "--seconds", "3600", "--fps", "120", "--from", "86400", "--speed",
        "1000"},
       {"v.gif", 1920, 1080, 3600, 120, 86400, 1000},
       432000,
       86400 + 431999 * 1000.0 / 120},
  };
  for (const auto& row : rows) {
    const TCommandLine line = ReadCommandLine(Arguments(row.options));
    EXPECT_EQ(line.ExitCode, std::nullopt) << line.Err;
    EXPECT_FALSE(line.Screenshot);
    ASSERT_TRUE(line.Recording) << row.request.File;
    EXPECT_EQ(*line.Recording, row.request) << row.request.File;
    EXPECT_EQ(line.Recording->FrameCount(), row.frames) << row.request.File;
    EXPECT_EQ(line.Recording->FrameMoment(0), row.request.From) << row.request.File;
    EXPECT_DOUBLE_EQ(line.Recording->FrameMoment(row.frames - 1), row.lastMoment)
        << row.request.File;
  }
}

// --help, the manual page and README describe recording and each of its options.
TEST(CommandLine, HelpTheManualPageAndTheReadmeDescribeRecording) {
  const std::string help = ReadCommandLine(Arguments({"--help"})).Out;
  const auto read = [](const char* path) {
    std::ifstream file(std::string(ORVANE_SOURCE_DIR) + "/" + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  };
  const struct {
    const char* name;
    std::string text;
  } documents[] = {{"--help", help},
                   {"the manual page", read("packaging/orvane.1")},
                   {"README", read("README.md")}};
  for (const auto& document : documents)
    for (const char* word :
         {"record", "seconds", "fps", "from", "speed", "mp4", "webm", "gif", "%04d"})
      EXPECT_TRUE(Contains(document.text, word)) << document.name << " lacks " << word;
}

TEST(CommandLine, WhatItDoesNotUnderstandEndsWithStatusTwoAndTheUsage) {
  const struct {
    std::vector<const char*> options;
    const char* error;
  } rows[] = {
      {{"--fullscreen"}, "orvane: Unknown option 'fullscreen'."},
      {{"-x"}, "orvane: Unknown option 'x'."},
      {{"--windowed=yes"}, "orvane: Unexpected value after '--windowed'."},
      {{"-platform"}, "orvane: Missing value after '-platform'."},
      {{"picture.jpg"}, "orvane: Unexpected argument 'picture.jpg'."},
      // A mistake wins over a request for the help.
      {{"--help", "--bogus"}, "orvane: Unknown option 'bogus'."},
      {{"--screenshot"}, "orvane: Missing value after '--screenshot'."},
      {{"--screenshot", ""}, "orvane: --screenshot needs a file name."},
      {{"--size", "640x480"}, "orvane: --size goes with --screenshot or --record."},
      {{"--windowed", "--at", "5"},
       "orvane: --at goes with --screenshot (a recording starts at --from)."},
      {{"--screenshot", "a.png", "--screen", "1"},
       "orvane: --screen goes with a window, not with --screenshot."},
      {{"--screen"}, "orvane: Missing value after '--screen'."},
      {{"--screenshot", "a.png", "--size", "0x480"},
       "orvane: --size takes WIDTHxHEIGHT in pixels, each 1 to 16384, not '0x480'."},
      {{"--screenshot", "a.png", "--size", "16385x10"},
       "orvane: --size takes WIDTHxHEIGHT in pixels, each 1 to 16384, not '16385x10'."},
      {{"--screenshot", "a.png", "--size", "640*480"},
       "orvane: --size takes WIDTHxHEIGHT in pixels, each 1 to 16384, not '640*480'."},
      {{"--screenshot", "a.png", "--size", "-640x480"},
       "orvane: --size takes WIDTHxHEIGHT in pixels, each 1 to 16384, not '-640x480'."},
      {{"--screenshot", "a.png", "--at", "-1"},
       "orvane: --at takes seconds from 0 to 86400, not '-1'."},
      {{"--screenshot", "a.png", "--at", "nan"},
       "orvane: --at takes seconds from 0 to 86400, not 'nan'."},
      {{"--screenshot", "a.png", "--at", "1e9"},
       "orvane: --at takes seconds from 0 to 86400, not '1e9'."},
      {{"--screenshot", "a.png", "--at", "soon"},
       "orvane: --at takes seconds from 0 to 86400, not 'soon'."},
      {{"--record", "c.mp4", "--seconds", "1", "--screenshot", "a.png"},
       "orvane: --screenshot and --record go one at a time."},
      {{"--record", "c.mp4", "--seconds", "1", "--at", "4"},
       "orvane: --at goes with --screenshot (a recording starts at --from)."},
      {{"--screenshot", "a.png", "--fps", "10"},
       "orvane: --seconds, --fps, --from and --speed go with --record."},
      {{"--seconds", "2"}, "orvane: --seconds, --fps, --from and --speed go with --record."},
      {{"--record", "c.mp4"}, "orvane: --record needs --seconds."},
      {{"--record", "", "--seconds", "1"}, "orvane: --record needs a file name."},
      {{"--record", "c.mp4", "--seconds", "1", "--screen", "0"},
       "orvane: --screen goes with a window, not with --record."},
      {{"--record", "c.avi", "--seconds", "1"},
       "orvane: --record takes a .mp4, .webm or .gif file, or numbered pictures "
       "(frames-%04d.png), not 'c.avi'."},
      {{"--record", "f-%d-%d.png", "--seconds", "1"},
       "orvane: --record takes a .mp4, .webm or .gif file, or numbered pictures "
       "(frames-%04d.png), not 'f-%d-%d.png'."},
      {{"--record", "c.mp4", "--seconds", "0"},
       "orvane: --seconds takes seconds of clip above 0 and at most 3600, not '0'."},
      {{"--record", "c.mp4", "--seconds", "3600.5"},
       "orvane: --seconds takes seconds of clip above 0 and at most 3600, not '3600.5'."},
      {{"--record", "c.mp4", "--seconds", "inf"},
       "orvane: --seconds takes seconds of clip above 0 and at most 3600, not 'inf'."},
      {{"--record", "c.mp4", "--seconds", "1", "--fps", "0"},
       "orvane: --fps takes whole frames a second from 1 to 120, not '0'."},
      {{"--record", "c.mp4", "--seconds", "1", "--fps", "121"},
       "orvane: --fps takes whole frames a second from 1 to 120, not '121'."},
      {{"--record", "c.mp4", "--seconds", "1", "--fps", "29.97"},
       "orvane: --fps takes whole frames a second from 1 to 120, not '29.97'."},
      {{"--record", "c.mp4", "--seconds", "1", "--from", "-3"},
       "orvane: --from takes seconds from 0 to 86400, not '-3'."},
      {{"--record", "c.mp4", "--seconds", "1", "--speed", "0"},
       "orvane: --speed takes a factor above 0 and at most 1000, not '0'."},
      {{"--record", "c.mp4", "--seconds", "1", "--speed", "-2"},
       "orvane: --speed takes a factor above 0 and at most 1000, not '-2'."},
      {{"--record", "c.mp4", "--seconds", "1", "--size", "320x181"},
       "orvane: H.264 (.mp4) needs an even width and height, not 320x181."},
      {{"--record", "c.mp4", "--seconds", "1", "--size", "0x180"},
       "orvane: --size takes WIDTHxHEIGHT in pixels, each 1 to 16384, not '0x180'."},
  };
  for (const auto& row : rows) {
    const TCommandLine line = ReadCommandLine(Arguments(row.options));
    EXPECT_FALSE(line.Recording) << row.error;
    EXPECT_EQ(line.ExitCode, 2) << row.error;
    EXPECT_EQ(line.Err.substr(0, line.Err.find('\n')), row.error);
    EXPECT_TRUE(Contains(line.Err, "\nUsage: orvane [options]")) << line.Err;
    EXPECT_EQ(line.Out, "") << row.error;
  }
}

}  // namespace
}  // namespace app
