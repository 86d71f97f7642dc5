// The installed program's command line: --version and --help answer and end without opening
// a window, an option it does not know ends it with status 2 and the usage on the standard
// error, and --windowed opens the main window framed at its normal size and place, from where
// "Full screen" in the menu covers the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MenuDriver.h"

namespace e2e {
namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(CommandLine, AnswersOrRefusesWithoutOpeningAWindow) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::vector<std::string> printed;
  } rows[] = {
      {{"--version"}, 0, {"orvane " ORVANE_VERSION "\n"}},
      {{"--help"}, 0, {"Usage: orvane [options]", "--windowed", "--version"}},
      {{"--no-such-option"}, 2, {"Unknown option 'no-such-option'.", "Usage: orvane [options]"}},
      {{"--windowed", "picture.jpg"}, 2, {"Unexpected argument 'picture.jpg'."}},
  };
  for (const auto& row : rows) {
    TProcess program(ORVANE_BINARY, row.args);
    EXPECT_EQ(program.Wait(10s), row.status) << row.args[0] << ": " << program.Output();
    for (const std::string& part : row.printed)
      EXPECT_TRUE(Contains(program.Output(), part)) << row.args[0] << ": " << program.Output();
    EXPECT_FALSE(WaitForWindow("^Moons of Orvane$", 0ms)) << row.args[0];
  }
  // The version line is all that --version prints.
  TProcess version(ORVANE_BINARY, {"--version"});
  ASSERT_EQ(version.Wait(10s), 0);
  EXPECT_EQ(version.Output(), "orvane " ORVANE_VERSION "\n");
}

TEST(CommandLine, WindowedOpensTheNormalWindowThatCanGoFullScreen) {
  TProcess program(ORVANE_BINARY, {"--windowed"});
  const auto window = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(window) << program.Output();
  ASSERT_EQ(Text(WaitForGeometry(*window, NormalGeometry)), Text(NormalGeometry));
  const QImage normal = CaptureWhen(ShowsThePlanetInTheNormalWindow, 40s);
  SavePicture(normal, "windowed-start");
  EXPECT_TRUE(ShowsThePlanetInTheNormalWindow(normal));
  EXPECT_TRUE(ShowsThePanelAt(normal, NormalGeometry.X, NormalGeometry.Y));
  EXPECT_FALSE(ShowsThePanelAt(normal, 0, 0));
  // Outside the window the screen stays black.
  EXPECT_EQ(CountColour(normal, QRect(0, 0, 290, 1080), Qt::black, 0), 290 * 1080);

  // "Full screen" is unmarked in the normal window: choosing it enters full screen.
  QRect menu = OpenMenuAt(QPoint(1500, 150));
  ASSERT_FALSE(menu.isEmpty()) << "no menu in the normal window";
  ChooseMenuRow(menu, FullScreen);
  EXPECT_EQ(Text(WaitForGeometry(*window, FullScreenGeometry)), Text(FullScreenGeometry));
  const QImage full = CaptureWhen(ShowsTheGlidedInPlanet);
  SavePicture(full, "windowed-then-full-screen");
  EXPECT_TRUE(ShowsTheGlidedInPlanet(full));
  EXPECT_TRUE(ShowsThePanelAt(full, 0, 0));

  RequestClose(*window);
  EXPECT_EQ(program.Wait(10s), 0) << program.Output();
}

}  // namespace
}  // namespace e2e
