// The current user's documents folder, as the platform reports it (on Linux the XDG documents
// folder, ~/Documents unless the user chose another). The program installs the platform's
// answer at start; tests install their own folder.
#pragma once

#include <functional>
#include <string>

namespace ui {

// Answers the folder's path (UTF-8), or "" when the platform has none.
using TDocumentsFolderSource = std::function<std::string()>;

void InstallDocumentsFolderSource(TDocumentsFolderSource source);
// The installed source's answer; "" while none is installed.
std::string DocumentsFolder();

}  // namespace ui
