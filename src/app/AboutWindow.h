// The About window: picture, title, maker, link to the product page and an OK button.
//
// Created hidden with the main window, shown by the main window's "About" (not modally: the
// main window goes on animating and taking input meanwhile), hidden by "OK", and shown again
// as it was left; it lives until the program ends.
#pragma once

#include "ui/controls/Image.h"
#include "ui/style/TextControls.h"
#include "ui/window/Form.h"
#include "ui/window/ShadowEffect.h"

namespace app {

// The maker's product page, and the link's text for it.
inline constexpr const char* ProductPage = "https://orvane.example.org/";
inline constexpr const char* ProductPageText = "orvane.example.org";

// The class, its object and its controls keep the names the stored window was designed with
// (Form1, Label3, SpeedButton1): the handlers are known by them.
class TForm1 : public ui::TFormBase {
 public:
  TForm1();
  void BuildStoredTree() override;

  // The built-in picture (438 x 280) fitted into its box.
  ui::TImage* Image1 = nullptr;
  // The program's title, with a soft aqua shadow.
  ui::TLabel* Label1 = nullptr;
  ui::TShadowEffect* ShadowEffect1 = nullptr;
  // The maker.
  ui::TLabel* Label2 = nullptr;
  // The link to the product page: a hand pointer over it, a click opens the page.
  ui::TLabel* Label3 = nullptr;
  ui::TSpeedButton* SpeedButton1 = nullptr;

  // "OK": hides this window, then makes the main window the active one, so that keys reach it
  // without a further click.
  void SpeedButton1Click(scene::TSceneNode& sender);
  // The link: hands the product page to the default web browser, once per click.
  void Label3Click(scene::TSceneNode& sender);

 private:
  ui::TLabel* AddLabel(const char* name, ui::TPointF position, float width, float height,
                       const char* text, float size, ui::TAlphaColor color);
};

extern TForm1* Form1;

}  // namespace app
