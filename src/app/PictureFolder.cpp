#include "app/PictureFolder.h"

#include <filesystem>
#include <system_error>

#include "ui/files/DocumentsFolder.h"

namespace app {

std::string PictureFolder;

namespace {

// Appends a folder's name to PictureFolder and creates the folder when it is not there.
void AddLevel(const char* name) {
  PictureFolder += name;
  const std::filesystem::path folder = std::filesystem::u8path(PictureFolder);
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error))
    std::filesystem::create_directory(folder, error);
}

}  // namespace

bool EnsurePictureFolder() {
  PictureFolder = ui::DocumentsFolder();
  if (PictureFolder.empty()) return false;
  if (PictureFolder.back() != '/') PictureFolder += '/';
  AddLevel("Quorvex");
  PictureFolder += '/';
  AddLevel("Planets");
  PictureFolder += '/';
  return true;
}

}  // namespace app
