#include "app/HugePages.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace app {

namespace {

constexpr const char* Tunables = "GLIBC_TUNABLES";
constexpr const char* Setting = "glibc.malloc.hugetlb";
// Set in the restarted program: the user's own GLIBC_TUNABLES after a marker character (so
// that "unset" and "empty" differ).
constexpr const char* Before = "ORVANE_TUNABLES_BEFORE";

}  // namespace

void StartWithHugePages(char** argv) {
#if defined(__linux__) && defined(__GLIBC__)
  if (const char* before = std::getenv(Before)) {
    // The restarted program: the tunable did its work as it started.
    if (before[0] == '=')
      setenv(Tunables, before + 1, 1);
    else
      unsetenv(Tunables);
    unsetenv(Before);
    return;
  }
  const char* tunables = std::getenv(Tunables);
  const std::string current = tunables ? tunables : "";
  // The user chose a value (or none: hugetlb=0) themselves.
  if (current.find(Setting) != std::string::npos) return;
  setenv(Before, tunables ? ("=" + current).c_str() : "-", 1);
  const std::string wanted =
      current.empty() ? std::string(Setting) + "=1" : current + ":" + Setting + "=1";
  setenv(Tunables, wanted.c_str(), 1);
  execv("/proc/self/exe", argv);
  // Not started again (no /proc, say): go on as the program is.
  if (tunables)
    setenv(Tunables, current.c_str(), 1);
  else
    unsetenv(Tunables);
  unsetenv(Before);
#else
  (void)argv;
#endif
}

}  // namespace app
