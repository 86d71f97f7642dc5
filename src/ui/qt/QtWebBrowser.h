// The default web browser through the desktop's URL handler (QDesktopServices).
#pragma once

#include "ui/services/WebBrowser.h"

namespace ui::qt {

class TQtWebBrowser : public IWebBrowser {
 public:
  void OpenPage(const std::string& address) override;
};

}  // namespace ui::qt
