// Start-up as a person meets it, read from outside the program: starts the viewer, then reads
// the middle of the screen from the X server until the planet shows there, and prints the
// milliseconds from the program's start to that moment ("first-visible-ms N"). Then ends the
// viewer. Fails when nothing shows within 20 seconds. With --save FILE the screen as it was
// then is written to FILE (a binary PPM), to look at what the first frame shows.
// Usage: probe_visible [--save FILE] PROGRAM [ARGUMENT...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
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

// Writes the whole screen as a binary PPM.
void SaveScreen(Display* display, Window root, int width, int height, const char* path) {
  XImage* image = XGetImage(display, root, 0, 0, width, height, AllPlanes, ZPixmap);
  std::FILE* file = std::fopen(path, "wb");
  if (!image || !file) {
    std::fprintf(stderr, "probe_visible: could not save the screen to %s\n", path);
  } else {
    std::fprintf(file, "P6\n%d %d\n255\n", width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const unsigned long pixel = XGetPixel(image, x, y);
        const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16),
                                      static_cast<unsigned char>(pixel >> 8),
                                      static_cast<unsigned char>(pixel)};
        std::fwrite(rgb, 1, 3, file);
      }
  }
  if (file) std::fclose(file);
  if (image) XDestroyImage(image);
}

}  // namespace

int main(int argc, char** argv) {
  const char* save = nullptr;
  if (argc > 2 && std::strcmp(argv[1], "--save") == 0) {
    save = argv[2];
    argv += 2;
    argc -= 2;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: probe_visible [--save FILE] PROGRAM [ARGUMENT...]\n");
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
      std::fflush(stdout);
      if (save)
        SaveScreen(display, root, DisplayWidth(display, screen), DisplayHeight(display, screen),
                   save);
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
