#include "ui/style/StyleLookup.h"

#include "ui/style/PlatformStyle.h"
#include "ui/style/StyleBook.h"
#include "ui/window/Form.h"

namespace ui {

std::string DefaultStyleName(std::string_view className) {
  std::string name(className);
  if (name.find("TCustom") != std::string::npos) name.erase(0, 7);
  if (!name.empty() && name.front() == 'T') name.erase(0, 1);
  return name + "style";
}

namespace {

TControl* FromPool(std::string_view name) {
  for (TStyleBook* book : TStyleBook::LoadedBooks()) {
    book->ChooseCurrent();
    if (const TStyle* style = book->CurrentStyle())
      if (TControl* copy = style->MakeElement(name)) return copy;
  }
  return nullptr;
}

TControl* FirstOf(const TStyle* style, std::initializer_list<std::string_view> names) {
  if (!style) return nullptr;
  for (std::string_view name : names)
    if (TControl* copy = style->MakeElement(name)) return copy;
  return nullptr;
}

}  // namespace

TControl* MakeStyleCopy(const TStyledControl& control) {
  const std::string& lookup = control.StyleLookup();
  if (!lookup.empty() && control.StyleName() == lookup) return nullptr;
  TStyleBook* book = nullptr;
  if (TFormBase* form = control.Form()) book = form->StyleBook();
  const TStyle* bookStyle = nullptr;
  if (book) {
    book->ChooseCurrent();
    bookStyle = book->CurrentStyle();
  }
  const TStyle& platform = PlatformStyle();
  if (!lookup.empty()) {
    if (TControl* copy = FirstOf(bookStyle, {lookup})) return copy;
    if (TControl* copy = FirstOf(&platform, {lookup})) return copy;
    if (TControl* copy = FromPool(lookup)) return copy;
  }
  const std::string defaultName = DefaultStyleName(control.ClassName());
  const std::string parentName = DefaultStyleName(control.ParentClassName());
  if (TControl* copy = FirstOf(bookStyle, {lookup, defaultName, parentName})) return copy;
  return FirstOf(&platform, {lookup, defaultName, parentName});
}

}  // namespace ui
