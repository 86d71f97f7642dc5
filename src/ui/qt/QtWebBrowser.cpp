#include "ui/qt/QtWebBrowser.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace ui::qt {

void TQtWebBrowser::OpenPage(const std::string& address) {
  // The desktop starts the browser on its own; its answer tells nothing more to act on.
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace ui::qt
