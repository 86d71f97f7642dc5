// Opening a web page in the user's default web browser: a platform service
// (scene::TService<IWebBrowser>). The program installs the platform's for the whole process;
// tests install one that records the pages. With none installed nothing opens.
#pragma once

#include <string>

#include "scene/service/Service.h"

namespace ui {

class IWebBrowser {
 public:
  virtual ~IWebBrowser() = default;
  // Hands `address` (a URL) to the default browser and returns at once; whether the page
  // opened is not reported.
  virtual void OpenPage(const std::string& address) = 0;
};

}  // namespace ui
