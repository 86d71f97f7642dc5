// The current user's documents folder, as the platform reports it (on Linux the XDG documents
// folder, ~/Documents unless the user chose another): a platform service
// (scene::TService<IDocumentsFolder>). The program installs the platform's at start; tests
// install their own folder.
#pragma once

#include <string>

namespace ui {

class IDocumentsFolder {
 public:
  virtual ~IDocumentsFolder() = default;
  // The folder's path (UTF-8), or "" when the platform has none.
  virtual std::string Path() = 0;
};

// The installed folder's path; "" while none is installed.
std::string DocumentsFolder();

}  // namespace ui
