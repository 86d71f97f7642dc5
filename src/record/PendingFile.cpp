#include "record/PendingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/files/BitmapCodecs.h"

namespace record {

namespace {

ui::EFileSystemError SystemError(const char* doing, const std::string& path) {
  return ui::EFileSystemError(std::string(doing) + " \"" + path + "\": " + std::strerror(errno));
}

// "dir/.name.XXXXXX" for "dir/name": a template for mkstemp and mkdtemp.
std::string HiddenTemplateBeside(const std::string& target) {
  const size_t slash = target.rfind('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  return target.substr(0, nameStart) + "." + target.substr(nameStart) + ".XXXXXX";
}

// Writes what the system keeps of `path` to the disk, so that a rename cannot publish a file
// whose data a crash would lose.
bool Sync(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}

}  // namespace

TPendingFile::TPendingFile(std::string target) : FTarget(std::move(target)) {
  std::string name = HiddenTemplateBeside(FTarget);
  const int fd = mkstemp(name.data());
  if (fd < 0) throw SystemError("Cannot create", FTarget);
  close(fd);
  FPath = std::move(name);
}

TPendingFile::~TPendingFile() {
  if (!FCommitted) unlink(FPath.c_str());
}

void TPendingFile::Commit() {
  // mkstemp made it for the owner alone; the clip gets the permissions a new file gets.
  const mode_t mask = umask(0);
  umask(mask);
  chmod(FPath.c_str(), 0666 & ~mask);
  if (!Sync(FPath)) throw SystemError("Cannot write", FTarget);
  if (std::rename(FPath.c_str(), FTarget.c_str()) != 0) throw SystemError("Cannot write", FTarget);
  FCommitted = true;
}

TPendingFolder::TPendingFolder(const std::string& targetPattern) {
  std::string name = HiddenTemplateBeside(targetPattern);
  // The pattern's '%' stays out of the folder's name.
  for (char& c : name)
    if (c == '%') c = '_';
  if (!mkdtemp(name.data())) throw SystemError("Cannot create", targetPattern);
  FPath = std::move(name);
}

TPendingFolder::~TPendingFolder() {
  for (const auto& [pending, target] : FFiles)
    unlink(pending.c_str());
  rmdir(FPath.c_str());
}

std::string TPendingFolder::PathFor(const std::string& target) {
  const size_t slash = target.rfind('/');
  std::string pending = FPath + "/" + target.substr(slash == std::string::npos ? 0 : slash + 1);
  FFiles.emplace_back(pending, target);
  return pending;
}

void TPendingFolder::Commit() {
  for (const auto& [pending, target] : FFiles)
    if (!Sync(pending)) throw SystemError("Cannot write", target);
  for (const auto& [pending, target] : FFiles)
    if (std::rename(pending.c_str(), target.c_str()) != 0)
      throw SystemError("Cannot write", target);
  FFiles.clear();
}

}  // namespace record
