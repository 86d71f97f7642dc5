#include "app/AboutWindow.h"

#include <memory>
#include <utility>

#include "assets/EmbeddedAssets.h"
#include "ui/files/PngDecoder.h"
#include "ui/services/WebBrowser.h"
#include "ui/window/WindowService.h"

namespace app {

TForm1* Form1 = nullptr;

TForm1::TForm1() {
  SetName("Form1");
}

void TForm1::BuildStoredTree() {
  SetCaption("About");
  SetClientSize(515, 265);
  // Lighter blue at the top, almost black at the bottom.
  ui::TFill fill;
  fill.Kind = ui::TBrushKind::Gradient;
  fill.Gradient.Points = {{0xFF244477, 0}, {0xFF14141E, 1}};
  fill.Gradient.StartPosition = {0.5f, 0};
  fill.Gradient.StopPosition = {0.5f, 1};
  SetFill(fill);
  // A fixed caption without buttons, above the main window and centred over it.
  SetBorderStyle(ui::TFormBorderStyle::Single);
  SetBorderIcons(0);
  SetFormStyle(ui::TFormStyle::StayOnTop);
  SetPlacement(ui::TWindowPlacement::MainFormCenter);

  Image1 = new ui::TImage;
  Image1->SetName("Image1");
  AddChild(Image1);
  Image1->SetBounds(32, 32, 205, 135);
  if (scene::TTextureImage picture = ui::DecodePng(assets::EmbeddedAboutPicture());
      !picture.IsEmpty())
    Image1->SetBitmap(std::make_shared<const ui::TBitmap>(std::move(picture)));

  Label1 = AddLabel("Label1", {264, 32}, 249, 41, "Moons of Orvane", 26, 0xFFADC5E7);
  ShadowEffect1 = new ui::TShadowEffect;
  ShadowEffect1->SetName("ShadowEffect1");
  Label1->AddChild(ShadowEffect1);
  ShadowEffect1->SetDistance(2);
  ShadowEffect1->SetDirection(45);
  ShadowEffect1->SetSoftness(0.1f);
  ShadowEffect1->SetOpacity(0.5f);
  ShadowEffect1->SetShadowColor(0xFF00FFFF);

  Label2 = AddLabel("Label2", {264, 80}, 177, 25, "Quorvex Com Ltd.", 16, 0xFFB8B7B7);

  Label3 = AddLabel("Label3", {264, 142}, 233, 25, ProductPageText, 16, 0xFF6D90D0);
  Label3->SetHitTest(true);
  Label3->SetCursor(ui::TCursorShape::Hand);
  Label3->OnClick = [this](scene::TSceneNode& sender) { Label3Click(sender); };

  SpeedButton1 = new ui::TSpeedButton;
  SpeedButton1->SetName("SpeedButton1");
  AddChild(SpeedButton1);
  SpeedButton1->SetBounds(217, 194, 80, 33);
  SpeedButton1->SetText("OK");
  ui::TTextSettings settings = SpeedButton1->TextSettings();
  settings.Font.Size = 16;
  settings.FontColor = 0xFFB8B7B7;
  SpeedButton1->SetTextSettings(settings);
  SpeedButton1->SetStyledSettings(ui::ssFamily | ui::ssStyle);
  SpeedButton1->OnClick = [this](scene::TSceneNode& sender) { SpeedButton1Click(sender); };

  // The keyboard: "OK" holds the focus (Enter and Space press it) and Escape closes the window
  // as "OK" does, so a keyboard user is never stuck in it.
  SpeedButton1->SetTakesFocus(true);
  Pointer().SetFocus(SpeedButton1);
  OnKeyDown = [this](scene::TSceneNode& sender, ui::TKeyCode& key, char32_t&,
                     scene::TShiftState shift) {
    const bool plain = !(shift & (scene::ssCtrl | scene::ssAlt | scene::ssCommand));
    if (plain && (key == ui::vkEscape || key == ui::vkReturn || key == ui::vkSpace))
      SpeedButton1Click(sender);
  };
}

ui::TLabel* TForm1::AddLabel(const char* name, ui::TPointF position, float width, float height,
                             const char* text, float size, ui::TAlphaColor color) {
  auto* label = new ui::TLabel;
  label->SetName(name);
  AddChild(label);
  label->SetBounds(position.X, position.Y, width, height);
  label->SetText(text);
  ui::TTextSettings settings = label->TextSettings();
  settings.Font.Size = size;
  settings.FontColor = color;
  label->SetTextSettings(settings);
  // The family and style come from the style, the size and colour are the label's own.
  label->SetStyledSettings(ui::ssFamily | ui::ssStyle);
  return label;
}

void TForm1::SpeedButton1Click(scene::TSceneNode&) {
  Hide();
  if (ui::TFormBase* main = ui::WindowService().MainForm(); main && main != this)
    main->SetActive(true);
}

void TForm1::Label3Click(scene::TSceneNode&) {
  if (ui::IWebBrowser* browser = scene::TService<ui::IWebBrowser>::Get())
    browser->OpenPage(ProductPage);
}

}  // namespace app
