#include "scene/tree/PropertyTable.h"

namespace scene {

namespace {
char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}
}  // namespace

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

const TPropertyInfo* TPropertyTable::Find(std::string_view name) const {
  for (const TPropertyTable* t = this; t; t = t->FBase)
    for (const TPropertyInfo& e : t->FEntries)
      if (SameTextAscii(e.Name, name)) return &e;
  return nullptr;
}

const TPropertyTable& TPropertyHolder::ClassProperties() {
  static const TPropertyTable table(nullptr, {});
  return table;
}

const TPropertyTable& TPropertyHolder::Properties() const {
  return ClassProperties();
}

}  // namespace scene
