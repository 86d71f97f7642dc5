#include "ui/files/DocumentsFolder.h"

#include "scene/service/Service.h"

namespace ui {

std::string DocumentsFolder() {
  IDocumentsFolder* folder = scene::TService<IDocumentsFolder>::Get();
  return folder ? folder->Path() : std::string();
}

}  // namespace ui
