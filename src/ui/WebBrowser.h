// Opening a web page in the user's default web browser: a platform service. The program
// installs the platform's for the whole process; tests install one that records the pages.
// With none installed nothing opens.
#pragma once

#include <string>

namespace ui {

class IWebBrowser {
 public:
  virtual ~IWebBrowser() = default;
  // Hands `address` (a URL) to the default browser and returns at once; whether the page
  // opened is not reported.
  virtual void OpenPage(const std::string& address) = 0;
};

// The installed browser, or null while none is installed. Not owned.
void InstallWebBrowser(IWebBrowser* browser);
IWebBrowser* WebBrowser();

// Installs a browser for the lifetime of a scope.
class TWebBrowserInstallation {
 public:
  explicit TWebBrowserInstallation(IWebBrowser& browser) { InstallWebBrowser(&browser); }
  ~TWebBrowserInstallation() { InstallWebBrowser(nullptr); }
  TWebBrowserInstallation(const TWebBrowserInstallation&) = delete;
  TWebBrowserInstallation& operator=(const TWebBrowserInstallation&) = delete;
};

}  // namespace ui
