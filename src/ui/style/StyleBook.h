// The style book of a window: styles stored with the window, one entry per platform style
// they are meant for, and the choice of the entry in use.
//
// The current entry is chosen when the book has finished loading and again whenever an
// element is looked up through it: the first entry named after the running platform
// (ignoring case); otherwise, unless UseStyleManager is set (then entry 0), the first entry
// named exactly after the title of the platform style; otherwise the current entry stays (0 at
// first). An entry's style is built from its resource the first time it is asked for, then
// kept.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scene/tree/SceneNode.h"
#include "ui/style/Style.h"

namespace ui {

class TStyleBook : public scene::TSceneNode {
 public:
  using TResource = std::function<std::unique_ptr<TStyle>()>;

  TStyleBook();
  ~TStyleBook() override;

  // Adds an entry; `platform` empty names the default entry. A null resource is an empty style.
  void AddStyle(std::string platform, TResource resource);
  const std::string& Platform(int index) const { return FEntries.at(index).Platform; }

  bool UseStyleManager() const { return FUseStyleManager; }
  void SetUseStyleManager(bool v) { FUseStyleManager = v; }

  int CurrentIndex() const { return FCurrent; }
  void ChooseCurrent();
  // The current entry's style (built on first use); null when the book has no entries.
  const TStyle* CurrentStyle();

  // Every style book alive, for the shared pool of elements.
  static const std::vector<TStyleBook*>& LoadedBooks();

 protected:
  void LoadingFinished() override { ChooseCurrent(); }

 private:
  struct TEntry {
    std::string Platform;
    TResource Resource;
    std::unique_ptr<TStyle> Style;
  };
  std::vector<TEntry> FEntries;
  int FCurrent = 0;
  bool FUseStyleManager = false;
};

}  // namespace ui
