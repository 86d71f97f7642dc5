// The user's documents folder as Qt's standard paths report it (the XDG documents folder).
#pragma once

#include "ui/files/DocumentsFolder.h"

namespace ui::qt {

class TQtDocumentsFolder : public IDocumentsFolder {
 public:
  std::string Path() override;
};

}  // namespace ui::qt
