// The program in odd surroundings: started without a home folder, it runs and ends as usual;
// it runs on huge pages; its window squeezed to one pixel high and to one pixel, then given room
// again, it draws the scene again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
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

// The viewer starts itself again on huge pages (the graphics driver's 220 MB of fresh memory
// before the first frame cost several times less on them), and still runs and ends as usual.
TEST(Environment, TheViewerRunsOnHugePages) {
  TProcess program(ORVANE_BINARY);
  ASSERT_TRUE(WaitForWindow("^Moons of Orvane$")) << program.Output();
  CaptureAfterTheGlide();
  const std::string proc = "/proc/" + std::to_string(program.Pid());
  std::ifstream environment(proc + "/environ");
  std::string variables((std::istreambuf_iterator<char>(environment)), {});
  EXPECT_NE(variables.find("glibc.malloc.hugetlb=1"), std::string::npos)
      << "not started again with the tunable";
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
  // The sanitizers bring their own allocator, which the tunable does not steer.
  std::ifstream modes("/sys/kernel/mm/transparent_hugepage/enabled");
  std::string mode((std::istreambuf_iterator<char>(modes)), {});
  if (mode.find("[never]") == std::string::npos) {
    std::ifstream rollup(proc + "/smaps_rollup");
    long hugeKb = 0;
    for (std::string key; rollup >> key;)
      if (key == "AnonHugePages:") rollup >> hugeKb;
    EXPECT_GT(hugeKb, 64 * 1024) << "kB of anonymous memory on huge pages";
  }
#endif
  ChooseMenuRow(OpenMenuAt({1500, 150}), Exit);
  EXPECT_EQ(program.Wait(10s), 0) << program.Output();
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
