#include "app/StoredStyleBook.h"

#include <memory>

#include "ui/controls/Shapes.h"
#include "ui/style/StyleObjects.h"

namespace app {

namespace {

std::unique_ptr<ui::TStyle> DesktopEntry() {
  auto style = std::make_unique<ui::TStyle>();
  style->AddElement("Panel1Style1", [] {
    auto* r = new ui::TRectangle;
    r->SetFillColor(0xFF35356F);
    r->SetStrokeKind(ui::TBrushKind::None);
    r->SetRadii(8, 8);
    r->SetHitTest(false);
    // Stored centred at its designed size; applying it makes it fill the panel.
    r->SetSize(257, 314);
    r->SetAlign(ui::TControlAlign::Center);
    return r;
  });
  const std::string picture = "Windows 8 Desktopstyle.png";
  style->AddElement("Buttonstyle", [picture] {
    return ui::MakeButtonStyleElement(picture, ui::DesktopButtonLinks());
  });
  style->AddElement("SpeedButtonstyle", [picture] {
    return ui::MakeButtonStyleElement(picture, ui::DesktopSpeedButtonLinks());
  });
  return style;
}

std::unique_ptr<ui::TStyle> AndroidEntry() {
  auto style = std::make_unique<ui::TStyle>();
  style->AddElement("Panelstyle", [] {
    auto* r = new ui::TRectangle;
    r->SetVisible(false);
    r->SetFillColor(0xFF817E7E);
    r->SetStrokeKind(ui::TBrushKind::None);
    r->SetRadii(8, 8);
    r->SetHitTest(false);
    return r;
  });
  style->AddElement("Buttonstyle", [] {
    return ui::MakeButtonStyleElement("AndroidL Lightstyle.png", ui::DesktopButtonLinks(),
                                      0xFF222222, 18);
  });
  return style;
}

}  // namespace

void AddStoredStyles(ui::TStyleBook& book) {
  book.AddStyle("", nullptr);
  book.AddStyle("Windows 8 Desktop", DesktopEntry);
  book.AddStyle("AndroidL Light", AndroidEntry);
}

}  // namespace app
