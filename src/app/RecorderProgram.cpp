#include "app/RecorderProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

namespace app {

namespace {

constexpr const char* RecorderName = "orvane-record";

// The recorder's file (see RunRecorder); empty when there is none.
std::string RecorderFile() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const std::filesystem::path folder = program.parent_path();
  for (const std::filesystem::path& candidate :
       {folder / RecorderName, folder.parent_path() / "lib" / "orvane" / RecorderName})
    if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
  return {};
}

}  // namespace

int RunRecorder(char** argv) {
  const std::string recorder = RecorderFile();
  if (recorder.empty()) {
    std::fprintf(stderr, "orvane: the recording cannot be made: its program, %s, is missing.\n",
                 RecorderName);
    return 1;
  }
  execv(recorder.c_str(), argv);
  std::fprintf(stderr, "orvane: the recording cannot be made: %s: %s.\n", recorder.c_str(),
               std::strerror(errno));
  return 1;
}

}  // namespace app
