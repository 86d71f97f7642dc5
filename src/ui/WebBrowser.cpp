#include "ui/WebBrowser.h"

namespace ui {

namespace {
IWebBrowser* GBrowser = nullptr;
}  // namespace

void InstallWebBrowser(IWebBrowser* browser) {
  GBrowser = browser;
}

IWebBrowser* WebBrowser() {
  return GBrowser;
}

}  // namespace ui
