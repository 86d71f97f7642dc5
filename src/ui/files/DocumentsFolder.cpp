#include "ui/files/DocumentsFolder.h"

#include <utility>

namespace ui {

namespace {
TDocumentsFolderSource& InstalledSource() {
  static TDocumentsFolderSource source;
  return source;
}
}  // namespace

void InstallDocumentsFolderSource(TDocumentsFolderSource source) {
  InstalledSource() = std::move(source);
}

std::string DocumentsFolder() {
  return InstalledSource() ? InstalledSource()() : std::string();
}

}  // namespace ui
