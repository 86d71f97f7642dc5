#include "ui/files/DocumentsFolder.h"

#include <utility>

namespace ui {

namespace {
TDocumentsFolderSource& Installed() {
  static TDocumentsFolderSource source;
  return source;
}
}  // namespace

void InstallDocumentsFolderSource(TDocumentsFolderSource source) {
  Installed() = std::move(source);
}

std::string DocumentsFolder() {
  return Installed() ? Installed()() : std::string();
}

}  // namespace ui
