#include "E2eSupport.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QColor>
#include <QDir>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

// Xlib last: its macros (Bool, Status) clash with Qt's headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace e2e {

std::string RunCommand(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[512];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
    out.append(buffer, n);
  pclose(pipe);
  return out;
}

namespace {

std::string TempPath(const std::string& stem) {
  return QDir::tempPath().toStdString() + "/" + stem + "-" + std::to_string(getpid()) + "-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace

TProcess::TProcess(const std::string& path, const std::vector<std::string>& args) {
  FLogPath = TempPath("orvane-e2e-log");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, FLogPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  std::vector<char*> argv{const_cast<char*>(path.c_str())};
  for (const std::string& a : args)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  if (posix_spawn(&FPid, path.c_str(), &actions, nullptr, argv.data(), environ) != 0)
    throw std::runtime_error("cannot start " + path);
  posix_spawn_file_actions_destroy(&actions);
}

TProcess::~TProcess() {
  Kill();
  std::remove(FLogPath.c_str());
}

bool TProcess::Running() {
  return !Wait(0ms).has_value();
}

std::optional<int> TProcess::Wait(std::chrono::milliseconds timeout) {
  if (FExitCode) return FExitCode;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    int status = 0;
    if (waitpid(FPid, &status, WNOHANG) == FPid) {
      FExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      return FExitCode;
    }
    std::this_thread::sleep_for(20ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

void TProcess::Kill() {
  if (FExitCode || FPid <= 0) return;
  kill(FPid, SIGKILL);
  Wait(5s);
}

std::string TProcess::Output() const {
  std::ifstream in(FLogPath);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::optional<unsigned long> WaitForWindow(const std::string& name,
                                           std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    const std::string out =
        RunCommand("xdotool search --onlyvisible --name '" + name + "' 2>/dev/null");
    if (!out.empty()) return std::stoul(out);
    std::this_thread::sleep_for(50ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

bool WindowExists(unsigned long window) {
  const std::string out = RunCommand("xdotool search --onlyvisible --name '.*' 2>/dev/null");
  std::istringstream in(out);
  for (unsigned long id; in >> id;)
    if (id == window) return true;
  return false;
}

std::string Text(const TWindowGeometry& g) {
  return std::to_string(g.X) + "," + std::to_string(g.Y) + " " + std::to_string(g.Width) + "x" +
         std::to_string(g.Height);
}

TWindowGeometry WindowGeometry(unsigned long window) {
  const std::string out =
      RunCommand("xdotool getwindowgeometry --shell " + std::to_string(window) + " 2>/dev/null");
  TWindowGeometry g;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const int value = std::stoi(line.substr(eq + 1));
    if (key == "X") g.X = value;
    if (key == "Y") g.Y = value;
    if (key == "WIDTH") g.Width = value;
    if (key == "HEIGHT") g.Height = value;
  }
  return g;
}

TWindowGeometry WaitForGeometry(unsigned long window, const TWindowGeometry& expected) {
  TWindowGeometry g = WindowGeometry(window);
  for (int i = 0; i < 400 && Text(g) != Text(expected); ++i) {
    std::this_thread::sleep_for(50ms);
    g = WindowGeometry(window);
  }
  return g;
}

void RequestClose(unsigned long window) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", True);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  XCloseDisplay(display);
}

void PressKey(unsigned long window, const std::string& key) {
  RunCommand("xdotool key --window " + std::to_string(window) + " " + key);
}

void Xrandr(const std::string& arguments) {
  RunCommand("xrandr " + arguments + " 2>&1");
}

void Xdotool(const std::string& arguments) {
  RunCommand("xdotool " + arguments + " 2>/dev/null");
}

void TypeKey(const std::string& key) {
  Xdotool("key " + key);
  std::this_thread::sleep_for(800ms);
}

int Brightness(const QImage& image, int x, int y) {
  return qGray(image.pixel(x, y));
}

int CountColour(const QImage& image, QRect r, QColor colour, int tolerance) {
  int count = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) <= tolerance &&
          std::abs(c.green() - colour.green()) <= tolerance &&
          std::abs(c.blue() - colour.blue()) <= tolerance)
        ++count;
    }
  return count;
}

// The planet's extent at the end of the glide. At Z -26 with a vertical field of view of 45
// degrees the planet (radius 5) spans 540 * (5 / sqrt(26^2 - 5^2)) / tan(22.5 deg) = 255.5
// pixels from the centre of a 1080-pixel-high screen.
bool ShowsTheGlidedInPlanet(const QImage& screen) {
  if (screen.width() != 1920 || screen.height() != 1080) return false;
  const int cx = 960, cy = 540;
  // Inside the rim above and below the centre: the planet.
  for (int d : {0, -230, 230})
    if (Brightness(screen, cx, cy + d) <= 40) return false;
  // Just beyond the rim: the sky or the window's black (the ring plane is seen from 15 degrees,
  // so the rings do not reach this far up or down).
  for (int d : {-280, 280})
    if (Brightness(screen, cx, cy + d) >= 40) return false;
  return true;
}

bool ShowsTheGlidedInPlanetIn(const QImage& screen, QRect view) {
  if (!screen.rect().contains(view)) return false;
  const QPoint centre = view.center() + QPoint(1, 1);  // (left + width / 2, top + height / 2)
  const double radius = 255.5 / 1080 * view.height();
  const auto at = [&](double d) {
    return Brightness(screen, centre.x(), centre.y() + static_cast<int>(std::lround(d)));
  };
  // Bright inside the rim above and below the centre, dark just beyond it.
  for (double d : {0.0, -0.9 * radius, 0.9 * radius})
    if (at(d) <= 40) return false;
  for (double d : {-1.1 * radius, 1.1 * radius})
    if (at(d) >= 40) return false;
  return true;
}

bool ShowsThePlanetInTheNormalWindow(const QImage& screen) {
  if (screen.width() != 1920 || screen.height() != 1080) return false;
  const int cx = 960, cy = 540;
  for (int d : {0, -170, 170})
    if (Brightness(screen, cx, cy + d) <= 40) return false;
  for (int d : {-225, 225})
    if (Brightness(screen, cx, cy + d) >= 40) return false;
  return true;
}

bool ShowsThePanelAt(const QImage& screen, int x, int y) {
  const QColor c = screen.pixelColor(x + 50, y + 200);
  return c.blue() > 70 && c.blue() > c.red() + 20;
}

bool ShowsThePanel(const QImage& screen) {
  return ShowsThePanelAt(screen, 0, 0);
}

QImage CaptureAfterTheGlide() {
  // The glide lasts 3 seconds; a person looks again until the camera has settled. A sanitized
  // build loads its textures and draws its first frames several times slower.
  std::this_thread::sleep_for(3s);
  QImage screen = CaptureScreen();
  for (int i = 0; i < 60 && !ShowsTheGlidedInPlanet(screen); ++i) {
    std::this_thread::sleep_for(500ms);
    screen = CaptureScreen();
  }
  return screen;
}

QSize ScreenSize() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return {};
  const QSize size(DisplayWidth(display, DefaultScreen(display)),
                   DisplayHeight(display, DefaultScreen(display)));
  XCloseDisplay(display);
  return size;
}

QImage CaptureScreen() {
  return CaptureArea(QRect(QPoint(0, 0), ScreenSize()));
}

// Read straight from the X server: an image tool would take half a minute over a screen of
// 8K and refuses one wider than 16K.
QImage CaptureArea(QRect area) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return {};
  const int screen = DefaultScreen(display);
  QImage image;
  if (!QRect(0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)).contains(area))
    area = QRect();
  XImage* x = area.isEmpty() ? nullptr
                             : XGetImage(display, RootWindow(display, screen), area.x(), area.y(),
                                         static_cast<unsigned>(area.width()),
                                         static_cast<unsigned>(area.height()), AllPlanes, ZPixmap);
  if (x) {
    image = QImage(area.size(), QImage::Format_RGB32);
    // A channel from its mask: its lowest bit and its largest value, scaled to 8 bits.
    struct TChannel {
      int Shift = 0;
      unsigned long Mask = 0, Top = 1;
      int Of(unsigned long pixel) const {
        return static_cast<int>(((pixel & Mask) >> Shift) * 255 / Top);
      }
    };
    const auto channel = [](unsigned long mask) {
      TChannel c;
      c.Mask = mask;
      while (mask && !((mask >> c.Shift) & 1))
        ++c.Shift;
      c.Top = std::max(1ul, mask >> c.Shift);
      return c;
    };
    const TChannel r = channel(x->red_mask), g = channel(x->green_mask), b = channel(x->blue_mask);
    // The usual layout (32 bits, 8 to a channel, as QRgb has them) is taken as it is.
    const bool asQRgb = x->bits_per_pixel == 32 && x->byte_order == LSBFirst &&
                        x->red_mask == 0xff0000 && x->green_mask == 0xff00 && x->blue_mask == 0xff;
    for (int y = 0; y < area.height(); ++y) {
      QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      const auto* data = reinterpret_cast<const std::uint32_t*>(x->data + y * x->bytes_per_line);
      for (int i = 0; i < area.width(); ++i) {
        if (asQRgb) {
          row[i] = data[i] | 0xff000000u;
          continue;
        }
        const unsigned long p = XGetPixel(x, i, y);
        row[i] = qRgb(r.Of(p), g.Of(p), b.Of(p));
      }
    }
    XDestroyImage(x);
  }
  XCloseDisplay(display);
  return image;
}

std::string SavePicture(const QImage& image, const std::string& name) {
  const QString dir = QStringLiteral(ORVANE_E2E_PICTURES);
  QDir().mkpath(dir);
  const QString path = dir + "/" + QString::fromStdString(name) + ".png";
  image.save(path);
  return path.toStdString();
}

int SkyChange(const QImage& before, const QImage& after) {
  int changed = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < before.width(); ++x)
      if (std::abs(Brightness(before, x, y) - Brightness(after, x, y)) > 24) ++changed;
  return changed;
}

}  // namespace e2e
