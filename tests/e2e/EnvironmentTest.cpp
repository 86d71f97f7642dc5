// The program in odd surroundings: started without a home folder, it runs and ends as usual;
// its window squeezed to one pixel high and to one pixel, then given room again, it draws the
// scene again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "E2eSupport.h"
#include "MenuDriver.h"

namespace e2e {
namespace {

TEST(Environment, WithoutAHomeFolderTheViewerRunsAndEndsThroughExit) {
  std::optional<TProcess> program;
  {
    TEnvironmentChange home("HOME", nullptr), config("XDG_CONFIG_HOME", nullptr);
    program.emplace(ORVANE_BINARY);
  }
  ASSERT_TRUE(WaitForWindow("^Moons of Orvane$")) << program->Output();
  const QImage screen = CaptureAfterTheGlide();
  SavePicture(screen, "no-home-folder");
  EXPECT_TRUE(ShowsTheGlidedInPlanet(screen));
  ChooseMenuRow(OpenMenuAt({1500, 150}), Exit);
  EXPECT_EQ(program->Wait(10s), 0) << program->Output();
}

TEST(Environment, AWindowSqueezedToOnePixelDrawsTheSceneWhenGivenRoomAgain) {
  TProcess program(ORVANE_BINARY, {"--windowed"});
  const auto window = WaitForWindow("^Moons of Orvane$");
  ASSERT_TRUE(window) << program.Output();
  ASSERT_EQ(Text(WaitForGeometry(*window, NormalGeometry)), Text(NormalGeometry));
  CaptureWhen(ShowsThePlanetInTheNormalWindow, 40s);
  const std::string id = std::to_string(*window);
  for (const char* size : {"1332 1", "1 1"}) {
    Xdotool("windowsize " + id + " " + size);
    std::this_thread::sleep_for(1500ms);
    ASSERT_TRUE(program.Running()) << size << "\n" << program.Output();
  }
  Xdotool("windowsize " + id + " 1332 829");
  const QImage again = CaptureWhen(ShowsThePlanetInTheNormalWindow, 40s);
  SavePicture(again, "squeezed-then-restored");
  EXPECT_TRUE(ShowsThePlanetInTheNormalWindow(again));
  EXPECT_TRUE(ShowsThePanelAt(again, NormalGeometry.X, NormalGeometry.Y));
  RequestClose(*window);
  EXPECT_EQ(program.Wait(10s), 0) << program.Output();
}

}  // namespace
}  // namespace e2e
