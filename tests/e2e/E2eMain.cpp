// The end-to-end tests run on a 1920 x 1080 X server of their own: ctest starts each test as
// a process of its own, so tests run side by side, each on its own screen.
#include <gtest/gtest.h>

#include <optional>

#include "VirtualScreen.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();  // the build lists them
  std::optional<testdisplay::TVirtualScreen> screen;
  if (!testdisplay::StartTheTestScreen(screen)) return 1;
  return RUN_ALL_TESTS();
}
