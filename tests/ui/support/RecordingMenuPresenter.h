// A menu presenter for tests: shows nothing, records every menu it was asked to show, and
// answers the entry the test chose (none by default). `WhileOpen` runs inside each call, as
// events would run in the platform's menu loop.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "ui/menu/MenuPresenter.h"

namespace ui::testing {

class TRecordingMenuPresenter : public IMenuPresenter {
 public:
  struct TShown {
    std::vector<TMenuEntry> Entries;
    TScreenPoint At;
  };
  std::vector<TShown> Shown;
  std::optional<std::size_t> Choice;
  std::function<void()> WhileOpen;

  std::optional<std::size_t> Present(const std::vector<TMenuEntry>& entries,
                                     TScreenPoint at) override {
    Shown.push_back({entries, at});
    if (WhileOpen) WhileOpen();
    return Choice;
  }

  // The texts of the last menu shown, each marked "[x] " or "[ ] ".
  std::vector<std::string> LastLines() const {
    std::vector<std::string> lines;
    if (Shown.empty()) return lines;
    for (const TMenuEntry& e : Shown.back().Entries)
      lines.push_back((e.Checked ? "[x] " : "[ ] ") + e.Text);
    return lines;
  }
};

}  // namespace ui::testing
