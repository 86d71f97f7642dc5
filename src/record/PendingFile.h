// What a recording writes before it is complete: a hidden file, or a hidden folder of numbered
// pictures, beside the target, put in the target's place only by Commit. Until then an
// existing file of the target's name stays as it was; a pending file or folder that is not
// committed is removed when it is destroyed, so a recording that fails or is stopped leaves
// nothing behind.
#pragma once

#include <string>
#include <vector>

namespace record {

class TPendingFile {
 public:
  // Makes ".NAME.XXXXXX" (unique) in the target's folder; raises ui::EFileSystemError with the
  // system's reason when the folder does not take it.
  explicit TPendingFile(std::string target);
  ~TPendingFile();
  TPendingFile(const TPendingFile&) = delete;
  TPendingFile& operator=(const TPendingFile&) = delete;

  const std::string& Path() const { return FPath; }
  // Flushes the written file to the disk and renames it to the target, replacing any file
  // there; raises ui::EFileSystemError when the system refuses.
  void Commit();

 private:
  std::string FTarget, FPath;
  bool FCommitted = false;
};

class TPendingFolder {
 public:
  // Makes ".NAME.XXXXXX" (unique) in the folder of `targetPattern`'s files.
  explicit TPendingFolder(const std::string& targetPattern);
  ~TPendingFolder();
  TPendingFolder(const TPendingFolder&) = delete;
  TPendingFolder& operator=(const TPendingFolder&) = delete;

  // Where the file that is to become `target` is written meanwhile (in the pending folder);
  // noted, so that Commit moves it and the destructor removes it.
  std::string PathFor(const std::string& target);
  // Moves every file in its place, replacing files of those names, and removes the folder.
  void Commit();

 private:
  std::string FPath;
  std::vector<std::pair<std::string, std::string>> FFiles;  // pending path, target
};

}  // namespace record
