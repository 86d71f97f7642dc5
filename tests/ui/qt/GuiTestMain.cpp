// Runs the tests with a QGuiApplication on the offscreen platform: painting into images and
// the font database need the application, not a display.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
