#include "ui/qt/QtDocumentsFolder.h"

#include <QStandardPaths>

namespace ui::qt {

std::string TQtDocumentsFolder::Path() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

}  // namespace ui::qt
