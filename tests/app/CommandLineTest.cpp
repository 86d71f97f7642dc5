// The command line as the entry point reads it: what ends the program at once and with which
// status, what it prints where, and whether the main window opens full screen.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <optional>
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
  } rows[] = {
      {{}, false},
      {{"--windowed"}, true},
      {{"-windowed"}, true},
      // Qt's own options pass on to the application object.
      {{"-platform", "xcb", "--windowed"}, true},
      {{"--platform=offscreen"}, false},
      {{"-style", "fusion", "-reverse"}, false},
  };
  for (const auto& row : rows) {
    const TCommandLine line = ReadCommandLine(Arguments(row.options));
    const std::string what = Arguments(row.options).join(' ').toStdString();
    EXPECT_EQ(line.ExitCode, std::nullopt) << what;
    EXPECT_EQ(line.Windowed, row.windowed) << what;
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
  };
  for (const auto& row : rows) {
    const TCommandLine line = ReadCommandLine(Arguments(row.options));
    EXPECT_EQ(line.ExitCode, 2) << row.error;
    EXPECT_EQ(line.Err.substr(0, line.Err.find('\n')), row.error);
    EXPECT_TRUE(Contains(line.Err, "\nUsage: orvane [options]")) << line.Err;
    EXPECT_EQ(line.Out, "") << row.error;
  }
}

}  // namespace
}  // namespace app
