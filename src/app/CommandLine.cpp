#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/KeyHelp.h"
#include "record/ClipFormat.h"

namespace app {

namespace {

// Options Qt's application object reads itself (the platform plugin, the X display, the
// widget style, ...): accepted and left to it, so `orvane -platform wayland` still works.
// They stay out of the help; Qt's documentation lists them.
constexpr const char* QtValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger"};
constexpr const char* QtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb"};

const QString ProgramName = QStringLiteral("orvane");

// QCommandLineParser names the program after the application object's first argument; none
// exists yet, so its usage line says "<executable_name>" where the program's name belongs.
QString Usage(const QCommandLineParser& parser) {
  QString text = parser.helpText();
  text.replace(QStringLiteral("<executable_name>"), ProgramName);
  // The closing lines: every key and mouse action, as F1 lists them.
  text += QStringLiteral("\nKeys and mouse:\n");
  for (const TKeyHelpRow& row : KeyHelpRows)
    text += QStringLiteral("  %1%2\n")
                .arg(QString::fromUtf8(row.Keys), -26)
                .arg(QString::fromUtf8(row.Action));
  return text;
}

// A number from the option's value within [low, high] (above `low` when `aboveLow`); none for
// a value that is no such number.
std::optional<double> NumberIn(const QString& value, double low, double high, bool aboveLow) {
  bool number = false;
  const double v = value.toDouble(&number);
  if (!number || !std::isfinite(v) || v < low || (aboveLow && v == low) || v > high)
    return std::nullopt;
  return v;
}

}  // namespace

long TRecordingRequest::FrameCount() const {
  return std::max(1L, std::lround(Seconds * Fps));
}

double TRecordingRequest::FrameMoment(long index) const {
  return From + static_cast<double>(index) * Speed / Fps;
}

std::string VersionLine() {
  return (ProgramName + QStringLiteral(" " ORVANE_VERSION)).toStdString();
}

TCommandLine ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // "-platform xcb" as Qt writes its options: one dash, a whole word.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("Moons of Orvane: a ringed planet and seven of its moons in 3D.\n"
                     "Opens full screen; right-click for the menu, Exit ends the program."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption windowed(
      QStringLiteral("windowed"),
      QStringLiteral("Open in a framed 1332 x 829 window instead of full screen."));
  parser.addOption(windowed);
  const QCommandLineOption screen(
      QStringLiteral("screen"),
      QStringLiteral("Open on this monitor: its name as xrandr gives it (HDMI-1) or its number "
                     "(0 is the first)."),
      QStringLiteral("name"));
  parser.addOption(screen);
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Save a picture of the view, as the menu's Screenshot does, without a "
                     "window, and end. The file's extension chooses the format: jpg, bmp, png, "
                     "tif or gif."),
      QStringLiteral("file"));
  const QCommandLineOption size(
      QStringLiteral("size"),
      QStringLiteral("The screenshot's or the recording's size in pixels (default 1920x1080)."),
      QStringLiteral("WxH"));
  const QCommandLineOption at(
      QStringLiteral("at"),
      QStringLiteral("The moment of the screenshot in seconds after the start (default 3, where "
                     "the camera's glide ends)."),
      QStringLiteral("seconds"));
  const QCommandLineOption record(
      QStringLiteral("record"),
      QStringLiteral("Record a time-lapse of the view without a window, and end. The file's "
                     "extension chooses the format: mp4 (H.264), webm (VP9), gif (animated), or "
                     "numbered pictures for a name with a %d field (frames-%04d.png). Needs "
                     "--seconds."),
      QStringLiteral("file"));
  const QCommandLineOption seconds(
      QStringLiteral("seconds"),
      QStringLiteral("The recording's length in seconds of clip (at most %1).")
          .arg(MaxRecordingSeconds),
      QStringLiteral("S"));
  const QCommandLineOption fps(
      QStringLiteral("fps"),
      QStringLiteral("The recording's frames a second, 1 to %1 (default 30).").arg(MaxRecordingFps),
      QStringLiteral("N"));
  const QCommandLineOption from(
      QStringLiteral("from"),
      QStringLiteral("The recording's first moment in seconds after the start (default 3, where "
                     "the camera's glide ends)."),
      QStringLiteral("T"));
  const QCommandLineOption speed(
      QStringLiteral("speed"),
      QStringLiteral("Seconds of the scene a second of the recording shows (default 1; 10 makes "
                     "a 10x time-lapse)."),
      QStringLiteral("K"));
  parser.addOptions({screenshot, size, at, record, seconds, fps, from, speed});
  for (const char* name : QtValueOptions) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : QtFlagOptions) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  TCommandLine line;
  line.Usage = Usage(parser).toStdString();
  QString error;
  if (!parser.parse(arguments))
    error = parser.errorText();
  else if (!parser.positionalArguments().isEmpty())
    error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
  else if (parser.isSet(screenshot) && parser.isSet(record))
    error = QStringLiteral("--screenshot and --record go one at a time.");
  else if (parser.isSet(size) && !parser.isSet(screenshot) && !parser.isSet(record))
    error = QStringLiteral("--size goes with --screenshot or --record.");
  else if (parser.isSet(at) && !parser.isSet(screenshot))
    error = QStringLiteral("--at goes with --screenshot (a recording starts at --from).");
  else if ((parser.isSet(seconds) || parser.isSet(fps) || parser.isSet(from) ||
            parser.isSet(speed)) &&
           !parser.isSet(record))
    error = QStringLiteral("--seconds, --fps, --from and --speed go with --record.");
  TScreenshotRequest request;
  if (error.isEmpty() && parser.isSet(screenshot)) {
    request.File = parser.value(screenshot).toStdString();
    if (parser.isSet(screen))
      error = QStringLiteral("--screen goes with a window, not with --screenshot.");
    if (request.File.empty()) error = QStringLiteral("--screenshot needs a file name.");
  }
  TRecordingRequest recording;
  std::optional<record::TClipFormat> format;
  if (error.isEmpty() && parser.isSet(record)) {
    recording.File = parser.value(record).toStdString();
    format = record::ClipFormatForFile(recording.File);
    if (parser.isSet(screen))
      error = QStringLiteral("--screen goes with a window, not with --record.");
    else if (recording.File.empty())
      error = QStringLiteral("--record needs a file name.");
    else if (!format)
      // Joined, not .arg(): the example's "%04d" would read as a place for it.
      error = QStringLiteral(
                  "--record takes a .mp4, .webm or .gif file, or numbered pictures "
                  "(frames-%04d.png), not '") +
              parser.value(record) + QStringLiteral("'.");
    else if (!parser.isSet(seconds))
      error = QStringLiteral("--record needs --seconds.");
  }
  if (error.isEmpty() && parser.isSet(size)) {
    // Whole pixels, at least 1 and at most what a render target may be on any device.
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch match = form.match(parser.value(size));
    request.Width = match.hasMatch() ? match.captured(1).toInt() : 0;
    request.Height = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (request.Width < 1 || request.Height < 1 || request.Width > MaxScreenshotSide ||
        request.Height > MaxScreenshotSide)
      error = QStringLiteral("--size takes WIDTHxHEIGHT in pixels, each 1 to %1, not '%2'.")
                  .arg(MaxScreenshotSide)
                  .arg(parser.value(size));
  }
  // A number option given: its value into `target` when it is a number in range, else the
  // error naming the option and `rule` (in which %1 stands for `high`).
  const auto readNumber = [&](const QCommandLineOption& option, double low, double high,
                              bool aboveLow, double& target, const char* rule) {
    if (!error.isEmpty() || !parser.isSet(option)) return;
    if (const auto value = NumberIn(parser.value(option), low, high, aboveLow))
      target = *value;
    else
      error = QStringLiteral("--%1 takes %2, not '%3'.")
                  .arg(option.names().first(), QString::fromLatin1(rule).arg(high),
                       parser.value(option));
  };
  readNumber(at, 0, MaxScreenshotSeconds, false, request.AtSeconds, "seconds from 0 to %1");
  recording.Width = request.Width;
  recording.Height = request.Height;
  readNumber(seconds, 0, MaxRecordingSeconds, true, recording.Seconds,
             "seconds of clip above 0 and at most %1");
  if (error.isEmpty() && parser.isSet(fps)) {
    bool number = false;
    recording.Fps = parser.value(fps).toInt(&number);
    if (!number || recording.Fps < 1 || recording.Fps > MaxRecordingFps)
      error = QStringLiteral("--fps takes whole frames a second from 1 to %1, not '%2'.")
                  .arg(MaxRecordingFps)
                  .arg(parser.value(fps));
  }
  readNumber(from, 0, MaxScreenshotSeconds, false, recording.From, "seconds from 0 to %1");
  readNumber(speed, 0, MaxRecordingSpeed, true, recording.Speed, "a factor above 0 and at most %1");
  if (error.isEmpty() && format && record::NeedsEvenSize(*format) &&
      (recording.Width % 2 != 0 || recording.Height % 2 != 0))
    error = QStringLiteral("H.264 (.mp4) needs an even width and height, not %1x%2.")
                .arg(recording.Width)
                .arg(recording.Height);
  if (!error.isEmpty()) {
    line.ExitCode = 2;
    line.Err = (ProgramName + QStringLiteral(": ") + error + QStringLiteral("\n\n")).toStdString() +
               line.Usage;
    return line;
  }
  if (parser.isSet(help)) {
    line.ExitCode = 0;
    line.Out = Usage(parser).toStdString();
  } else if (parser.isSet(QStringLiteral("help-all"))) {
    // Qt's parser offers it with --help; its own text of Qt's options needs an application
    // object, so the options are named here and their meaning left to Qt's documentation.
    line.ExitCode = 0;
    line.Out =
        (Usage(parser) + QStringLiteral("\nQt's options, passed on to Qt:\n ")).toStdString();
    for (const char* name : QtValueOptions)
      line.Out += std::string(" -") + name + " <value>";
    for (const char* name : QtFlagOptions)
      line.Out += std::string(" -") + name;
    line.Out += "\n";
  } else if (parser.isSet(version)) {
    line.ExitCode = 0;
    line.Out = VersionLine() + "\n";
  }
  line.Windowed = parser.isSet(windowed);
  line.Screen = parser.value(screen).toStdString();
  if (parser.isSet(screenshot)) line.Screenshot = request;
  if (parser.isSet(record)) line.Recording = recording;
  return line;
}

TCommandLine ReadAndPrintCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  TCommandLine line = ReadCommandLine(arguments);
  std::fputs(line.Out.c_str(), stdout);
  std::fputs(line.Err.c_str(), stderr);
  return line;
}

}  // namespace app
