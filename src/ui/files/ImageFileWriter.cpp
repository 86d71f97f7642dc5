#include "ui/files/ImageFileWriter.h"

namespace ui {

namespace {
IImageFileWriter* InstalledWriter = nullptr;
}

void InstallImageFileWriter(IImageFileWriter* writer) {
  InstalledWriter = writer;
}
IImageFileWriter* ImageFileWriter() {
  return InstalledWriter;
}

}  // namespace ui
