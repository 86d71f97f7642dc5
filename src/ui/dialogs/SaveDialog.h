// The save dialog: asks the user for the name of a file to write, through the platform's
// dialog.
//
// Execute raises OnShow, hands the dialog's settings to the installed presenter, raises
// OnClose and answers whether the user confirmed a name. The platform's dialog runs modally in
// a nested event loop (the program's other windows take no input meanwhile; timers and
// animations go on), appends DefaultExt to a name typed without an extension, and replaces an
// existing file without asking. On confirmation FileName and FilterIndex take the user's
// choice and are kept for the next Execute; on cancelling they stay as they were.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "scene/service/Service.h"
#include "scene/tree/SceneNode.h"

namespace ui {

class TFormBase;

// A file type the dialog offers: its description and its file name pattern ("*.jpg").
struct TFileType {
  std::string Description;
  std::string Pattern;
  friend bool operator==(const TFileType&, const TFileType&) = default;
};

// What the platform's dialog is given.
struct TSaveDialogRequest {
  std::string Title;       // empty: the platform's own title
  std::string DefaultExt;  // without its dot
  std::string FileName;    // the proposed name; may be empty
  std::string InitialDir;  // the folder to open in; empty or missing: the platform's choice
  std::vector<TFileType> FileTypes;
  int FilterIndex = 1;         // 1-based
  TFormBase* Owner = nullptr;  // the window the dialog belongs to
};

// The user's choice: the full path and the 1-based index of the chosen file type.
struct TSaveDialogAnswer {
  std::string FileName;
  int FilterIndex = 1;
};

class ISaveDialogPresenter {
 public:
  virtual ~ISaveDialogPresenter() = default;
  // Runs the dialog modally; none when the user cancelled.
  virtual std::optional<TSaveDialogAnswer> Run(const TSaveDialogRequest& request) = 0;
};

// Splits a filter of description and pattern pairs separated by "|" ("jpg|*.jpg|bmp|*.bmp");
// a description without a pattern is left out.
std::vector<TFileType> ParseFilter(const std::string& filter);

class TSaveDialog : public scene::TSceneNode {
 public:
  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(std::string ext) { FDefaultExt = std::move(ext); }
  const std::string& Filter() const { return FFilter; }
  void SetFilter(std::string filter) { FFilter = std::move(filter); }
  int FilterIndex() const { return FFilterIndex; }
  const std::string& InitialDir() const { return FInitialDir; }
  // Keeps the folder without one trailing '/', unless that is the whole path (the root).
  void SetInitialDir(std::string folder);
  const std::string& FileName() const { return FFileName; }
  void SetFileName(std::string name) { FFileName = std::move(name); }
  const std::string& Title() const { return FTitle; }
  void SetTitle(std::string title) { FTitle = std::move(title); }

  // True when the user confirmed a name, which is then in FileName.
  bool Execute();

  std::function<void(scene::TSceneNode& sender)> OnShow;
  std::function<void(scene::TSceneNode& sender)> OnClose;

 private:
  std::string FDefaultExt, FFilter, FInitialDir, FFileName, FTitle;
  int FFilterIndex = 1;
};

}  // namespace ui
