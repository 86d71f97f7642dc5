#include "VirtualScreen.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

extern char** environ;

namespace testdisplay {

using namespace std::chrono_literals;

TVirtualScreen::TVirtualScreen(int width, int height) {
  int fds[2];
  if (pipe(fds) != 0) return;
  // The server writes its display number to descriptor 3 once it accepts connections.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  const std::string size = std::to_string(width) + "x" + std::to_string(height) + "x24";
  std::vector<std::string> args{"Xvfb", "-displayfd", "3",   "-screen", "0",
                                size,   "-nolisten",  "tcp", "-noreset"};
  std::vector<char*> argv;
  for (std::string& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  const bool started = posix_spawnp(&FPid, "Xvfb", &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string number;
  pollfd in{fds[0], POLLIN, 0};
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (started && std::chrono::steady_clock::now() < deadline && poll(&in, 1, 100) >= 0) {
    char c = 0;
    if (!(in.revents & (POLLIN | POLLHUP))) continue;
    if (read(fds[0], &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  close(fds[0]);
  if (!started) FPid = -1;
  if (number.empty()) return;
  FName = ":" + number;
  if (const char* old = std::getenv("DISPLAY")) FOldDisplay = old;
  setenv("DISPLAY", FName.c_str(), 1);
}

TVirtualScreen::~TVirtualScreen() {
  if (!FName.empty())
    FOldDisplay ? setenv("DISPLAY", FOldDisplay->c_str(), 1) : unsetenv("DISPLAY");
  if (FPid <= 0) return;
  kill(FPid, SIGTERM);
  for (int i = 0; i < 250; ++i) {
    if (waitpid(FPid, nullptr, WNOHANG) == FPid) return;
    std::this_thread::sleep_for(20ms);
  }
  kill(FPid, SIGKILL);
  waitpid(FPid, nullptr, 0);
}

bool StartTheTestScreen(std::optional<TVirtualScreen>& screen) {
  screen.emplace(1920, 1080);
  if (screen->Name().empty()) {
    std::fprintf(stderr, "Could not start a virtual screen: is Xvfb installed (package xvfb)?\n");
    return false;
  }
  unsetenv("WAYLAND_DISPLAY");
  return true;
}

}  // namespace testdisplay
