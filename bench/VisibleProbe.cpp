// Start-up as a person meets it, read from outside the program: starts the viewer, then reads
// the middle of the screen from the X server until the planet shows there, and prints the
// milliseconds from the program's start to that moment ("first-visible-ms N"). Then ends the
// viewer. Fails when nothing shows within 20 seconds.
// Usage: probe_visible PROGRAM [ARGUMENT...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

using TClock = std::chrono::steady_clock;

// Whether a pixel of the 9 x 9 square at the screen's middle is lit: the planet lies there from
// the first frame on, on a black sky.
bool PlanetShows(Display* display, Window root, int x, int y) {
  XImage* image = XGetImage(display, root, x - 4, y - 4, 9, 9, AllPlanes, ZPixmap);
  if (!image) return false;
  bool lit = false;
  for (int py = 0; py < 9 && !lit; ++py)
    for (int px = 0; px < 9 && !lit; ++px) {
      const unsigned long pixel = XGetPixel(image, px, py);
      const unsigned r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
      lit = r + g + b > 3 * 40;
    }
  XDestroyImage(image);
  return lit;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: probe_visible PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "probe_visible: no display\n");
    return 1;
  }
  const int screen = DefaultScreen(display);
  const Window root = RootWindow(display, screen);
  const int x = DisplayWidth(display, screen) / 2, y = DisplayHeight(display, screen) / 2;
  if (PlanetShows(display, root, x, y)) {
    std::fprintf(stderr, "probe_visible: the middle of the screen is lit before the start\n");
    return 1;
  }
  const TClock::time_point start = TClock::now();
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[1], argv + 1);
    std::perror("probe_visible: exec");
    _exit(127);
  }
  int result = 1;
  while (TClock::now() - start < std::chrono::seconds(20)) {
    if (PlanetShows(display, root, x, y)) {
      const double ms = std::chrono::duration<double, std::milli>(TClock::now() - start).count();
      std::printf("first-visible-ms %.0f\n", ms);
      result = 0;
      break;
    }
    if (waitpid(child, nullptr, WNOHANG) == child) {
      std::fprintf(stderr, "probe_visible: the program ended before it showed anything\n");
      XCloseDisplay(display);
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (result) std::fprintf(stderr, "probe_visible: nothing showed within 20 s\n");
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  // The next run starts on a black screen.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  XCloseDisplay(display);
  return result;
}
