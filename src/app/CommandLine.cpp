#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

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
  return text;
}

}  // namespace

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
  QString error;
  if (!parser.parse(arguments))
    error = parser.errorText();
  else if (!parser.positionalArguments().isEmpty())
    error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
  if (!error.isEmpty()) {
    line.ExitCode = 2;
    line.Err = (ProgramName + QStringLiteral(": ") + error + QStringLiteral("\n\n") + Usage(parser))
                   .toStdString();
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
  return line;
}

}  // namespace app
