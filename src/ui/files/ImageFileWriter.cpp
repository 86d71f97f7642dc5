#include "ui/files/ImageFileWriter.h"

namespace ui {

namespace {
IImageFileWriter* Installed = nullptr;
}

void InstallImageFileWriter(IImageFileWriter* writer) {
  Installed = writer;
}
IImageFileWriter* ImageFileWriter() {
  return Installed;
}

}  // namespace ui
