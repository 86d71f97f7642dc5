// own_display COMMAND [ARG...]: runs COMMAND on a 1920 x 1080 X server of its own and ends
// with COMMAND's exit status (128 + the signal when a signal ended it). The server goes with
// it. The shell-scripted end-to-end tests run under it, so they can run side by side.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "VirtualScreen.h"

extern char** environ;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: own_display COMMAND [ARG...]\n");
    return 2;
  }
  std::optional<testdisplay::TVirtualScreen> screen;
  if (!testdisplay::StartTheTestScreen(screen)) return 1;
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
    std::perror(argv[1]);
    return 127;
  }
  // ctest ends a test that runs too long with SIGTERM: pass it on, so that no command outlives
  // its server.
  static pid_t child = pid;
  signal(SIGTERM, [](int) { kill(child, SIGTERM); });
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
