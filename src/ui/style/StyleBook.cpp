#include "ui/style/StyleBook.h"

#include <algorithm>

#include "ui/style/PlatformStyle.h"

namespace ui {

namespace {
std::vector<TStyleBook*>& Books() {
  static std::vector<TStyleBook*> books;
  return books;
}
}  // namespace

TStyleBook::TStyleBook() {
  Books().push_back(this);
}

TStyleBook::~TStyleBook() {
  std::erase(Books(), this);
}

const std::vector<TStyleBook*>& TStyleBook::LoadedBooks() {
  return Books();
}

void TStyleBook::AddStyle(std::string platform, TResource resource) {
  FEntries.push_back({std::move(platform), std::move(resource), nullptr});
}

void TStyleBook::ChooseCurrent() {
  if (FEntries.empty()) return;
  const std::string& platformName = StyleEnvironment().PlatformName;
  for (size_t i = 0; i < FEntries.size(); ++i)
    if (SameStyleName(FEntries[i].Platform, platformName)) {
      FCurrent = static_cast<int>(i);
      return;
    }
  if (FUseStyleManager) {
    FCurrent = 0;
    return;
  }
  const std::string title = PlatformStyle().DescriptionTitle();
  for (size_t i = 0; i < FEntries.size(); ++i)
    if (FEntries[i].Platform == title) {
      FCurrent = static_cast<int>(i);
      return;
    }
}

const TStyle* TStyleBook::CurrentStyle() {
  if (FEntries.empty()) return nullptr;
  TEntry& entry = FEntries.at(static_cast<size_t>(FCurrent));
  if (!entry.Style) entry.Style = entry.Resource ? entry.Resource() : std::make_unique<TStyle>();
  if (!entry.Style) entry.Style = std::make_unique<TStyle>();
  return entry.Style.get();
}

}  // namespace ui
