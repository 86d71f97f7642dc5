#include "app/MainWindow.h"

#include <cmath>
#include <cstdlib>
#include <functional>

#include "app/AboutWindow.h"
#include "app/BodyCatalogue.h"
#include "app/KeyHelp.h"
#include "app/PictureFolder.h"
#include "app/StoredStyleBook.h"
#include "scene/math/Interpolation.h"

namespace app {

TForm2* Form2 = nullptr;
ui::TShell* Application = nullptr;
bool Dragging = false;
bool StartFullScreen = true;
int LastZoomDistance = 0;
ui::TBitmapCodecSaveParams SaveParams;
std::array<std::string, 15> BodyInfo;

const std::array<TFlyToRow, 8> FlyToRows = {{
    {1, "Button11", -11, 0, 24},
    {2, "Button4", -14, 2, 64},
    {3, "Button8", -16, 1, 104},
    {4, "Button1", -18, 7, 144},
    {5, "Button2", -20, 6, 184},
    {6, "Button3", -26, 5, 224},
    {7, "Button5", -30, 4, 264},
    {8, "Button6", -30, 3, 304},
}};

namespace {
// Seconds per turn of the planet and of each moon's orbit, Mimas to Iapetus.
constexpr std::array<float, 8> BodyAnimationDurations = {30, 64, 94, 128, 188, 308, 1152, 5680};
}  // namespace

TForm2::TForm2() {
  SetName("Form2");
  // The textures are prepared (made ahead on the device, or decoded) while the window is
  // built, created and shown.
  if (ISceneTexturesMaker* maker = scene::TService<ISceneTexturesMaker>::Get())
    FTextures = maker->Make();
}

TForm2::~TForm2() = default;

void TForm2::BuildStoredTree() {
  SetCaption("Moons of Orvane");
  SetClientSize(1332, 829);
  SetFillColor(ui::claBlack);
  SetPlacement(ui::TWindowPlacement::ScreenCenter);
  SetFullScreen(StartFullScreen);
  OnCreate = [this](scene::TSceneNode& sender) { FormCreate(sender); };

  OnResize = [this](scene::TSceneNode& sender) { FormResize(sender); };
  OnKeyDown = [this](scene::TSceneNode& sender, ui::TKeyCode& key, char32_t& keyChar,
                     scene::TShiftState shift) { FormKeyDown(sender, key, keyChar, shift); };

  auto* viewport = new ui::TViewport3D;
  viewport->SetName("Viewport3D1");
  AddChild(viewport);
  TStoredSceneExtras extras;
  extras.AddBodyAnimation = [this](scene::TSphere& body, int number) {
    FloatAnimations[number - 1] =
        AddBodyAnimation(body, number, BodyAnimationDurations[number - 1]);
  };
  extras.AddLabel = [this](ui::TViewport3D& view) { BuildOverlay(view); };
  extras.AddBeforeMaterials = [this] {
    BuildPanel();
    StyleBook1 = new ui::TStyleBook;
    StyleBook1->SetName("StyleBook1");
    AddStoredStyles(*StyleBook1);
    AddChild(StyleBook1);
    SetStyleBook(StyleBook1);
    BuildMenu();
  };
  extras.AddAfterFirstMaterial = [this] {
    BuildTexts();
    BuildSaveDialog();
  };
  static_cast<TStoredScene&>(*this) = BuildStoredScene(*viewport, *this, extras);

  viewport->SetPopupMenu(PopupMenu1);
  Text1->SetPopupMenu(PopupMenu1);
  Text2->SetPopupMenu(PopupMenu1);
  ConnectNavigation();
  BuildKeyPanel();
}

// Not part of the stored window: the list F1 shows, last of the window's children so that it
// lies over everything.
void TForm2::BuildKeyPanel() {
  KeyPanel = new ui::TPanel;
  KeyPanel->SetName("KeyPanel");
  AddChild(KeyPanel);
  KeyPanel->SetSize(KeyPanelWidth, KeyPanelHeight);
  KeyPanel->SetOpacity(0.9f);
  KeyPanel->SetStyleLookup("Panel1Style1");
  KeyPanel->SetVisible(false);
  const auto addText = [this](const char* name, ui::TWindowRect r, float size, ui::TTextAlign align,
                              std::string text) {
    auto* t = new ui::TText;
    t->SetName(name);
    KeyPanel->AddChild(t);
    t->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    ui::TTextSettings settings = t->TextSettings();
    settings.Font.Family = "Default";
    settings.Font.Size = size;
    settings.FontColor = 0xFFE8E8E8;
    settings.HorzAlign = align;
    settings.VertAlign = ui::TTextAlign::Leading;
    t->SetTextSettings(settings);
    t->SetHitTest(false);
    t->SetText(std::move(text));
  };
  std::string keys, actions;
  for (const TKeyHelpRow& row : KeyHelpRows) {
    keys += std::string(row.Keys) + "\n";
    actions += std::string(row.Action) + "\n";
  }
  addText("KeyPanelTitle", {0, 18, KeyPanelWidth, 50}, 20, ui::TTextAlign::Center,
          "Keys and mouse");
  addText("KeyPanelKeys", {24, 64, 214, KeyPanelHeight - 16}, 15, ui::TTextAlign::Trailing, keys);
  addText("KeyPanelActions", {238, 64, KeyPanelWidth - 24, KeyPanelHeight - 16}, 15,
          ui::TTextAlign::Leading, actions);
}

void TForm2::ShowKeyPanel(bool show) {
  // In the middle of the client area (the window's bounds hold its frame too).
  KeyPanel->SetPosition({std::round((ClientAreaWidth() - KeyPanelWidth) / 2),
                         std::round((ClientAreaHeight() - KeyPanelHeight) / 2)});
  KeyPanel->SetVisible(show);
}

void TForm2::BuildOverlay(ui::TViewport3D& viewport) {
  Label1 = new ui::TLabel;
  Label1->SetName("Label1");
  viewport.AddChild(Label1);
  Label1->SetSize(Label1->Width(), 40);
  Label1->SetAlign(ui::TControlAlign::Top);
  ui::TTextSettings settings = Label1->TextSettings();
  settings.Font.Size = 22;
  settings.FontColor = 0xFFBABABA;
  settings.HorzAlign = ui::TTextAlign::Center;
  Label1->SetTextSettings(settings);
  Label1->SetStyledSettings(ui::ssFamily);
}

void TForm2::BuildPanel() {
  Panel1 = new ui::TPanel;
  Panel1->SetName("Panel1");
  AddChild(Panel1);
  Panel1->SetBounds(40, 40, 145, 353);
  Panel1->SetOpacity(0.8f);
  Panel1->SetStyleLookup("Panel1Style1");
  ui::TButton** buttons[] = {&Button11, &Button4, &Button8, &Button1,
                             &Button2,  &Button3, &Button5, &Button6};
  for (size_t i = 0; i < FlyToRows.size(); ++i) {
    const TFlyToRow& row = FlyToRows[i];
    auto* button = new ui::TButton;
    button->SetName(row.Button);
    Panel1->AddChild(button);
    button->SetBounds(32, row.Y, 80, 26);
    button->SetTabOrder(row.TabOrder);
    button->SetText(std::string(BodyName(row.Index)));
    ui::TTextSettings settings = button->TextSettings();
    settings.Font.Size = 14;
    button->SetTextSettings(settings);
    button->SetStyledSettings(ui::ssFamily | ui::ssStyle | ui::ssFontColor);
    const int index = row.Index;
    button->OnClick = [this, index](scene::TSceneNode&) { FlyTo(index); };
    *buttons[i] = button;
  }
}

void TForm2::BuildMenu() {
  PopupMenu1 = new ui::TPopupMenu;
  PopupMenu1->SetName("PopupMenu1");
  AddChild(PopupMenu1);
  using namespace std::placeholders;
  const struct {
    ui::TMenuItem* TForm2::*item;
    const char* name;
    const char* text;
    bool checked;
    void (TForm2::*onClick)(scene::TSceneNode&);
  } items[] = {
      {&TForm2::MenuItem1, "MenuItem1", "Auto-rotate", true, &TForm2::MenuItem1Click},
      {&TForm2::MenuItem2, "MenuItem2", "Show names", true, &TForm2::MenuItem2Click},
      {&TForm2::MenuItem3, "MenuItem3", "Show info", false, &TForm2::MenuItem3Click},
      {&TForm2::MenuItem5, "MenuItem5", "Full screen", StartFullScreen, &TForm2::MenuItem5Click},
      {&TForm2::MenuItem7, "MenuItem7", "Screenshot", false, &TForm2::MenuItem7Click},
      {&TForm2::MenuItem6, "MenuItem6", "About", false, &TForm2::MenuItem6Click},
      {&TForm2::MenuItem4, "MenuItem4", "Exit", false, &TForm2::MenuItem4Click},
  };
  for (const auto& row : items) {
    auto* item = new ui::TMenuItem;
    item->SetName(row.name);
    PopupMenu1->AddChild(item);
    item->SetText(row.text);
    item->SetIsChecked(row.checked);
    item->OnClick = std::bind(row.onClick, this, _1);
    this->*row.item = item;
  }
}

void TForm2::BuildSaveDialog() {
  SaveDialog1 = new ui::TSaveDialog;
  SaveDialog1->SetName("SaveDialog1");
  AddChild(SaveDialog1);
  SaveDialog1->SetDefaultExt("jpg");
  SaveDialog1->SetFilter("jpg|*.jpg|bmp|*.bmp");
}

void TForm2::BuildTexts() {
  ui::TText** texts[] = {&Text1, &Text2};
  const char* names[] = {"Text1", "Text2"};
  const ui::TPointF positions[] = {{536, 9}, {328, 17}};
  for (int i = 0; i < 2; ++i) {
    auto* text = new ui::TText;
    text->SetName(names[i]);
    AddChild(text);
    text->SetBounds(positions[i].X, positions[i].Y, 200, 300);
    ui::TTextSettings settings = text->TextSettings();
    settings.Font.Family = "Default";
    settings.Font.Size = 18;
    settings.FontColor = ui::claWhite;
    settings.HorzAlign = i == 0 ? ui::TTextAlign::Trailing : ui::TTextAlign::Leading;
    settings.VertAlign = ui::TTextAlign::Leading;
    settings.Trimming = ui::TTextTrimming::Character;
    text->SetTextSettings(settings);
    text->SetHitTest(false);
    *texts[i] = text;
  }
}

void TForm2::ConnectNavigation() {
  using namespace std::placeholders;
  Viewport3D1->OnMouseDown = std::bind(&TForm2::Viewport3D1MouseDown, this, _1, _2, _3, _4, _5);
  Viewport3D1->OnMouseMove = std::bind(&TForm2::Viewport3D1MouseMove, this, _1, _2, _3, _4);
  Viewport3D1->OnMouseUp = std::bind(&TForm2::Viewport3D1MouseUp, this, _1, _2, _3, _4, _5);
  Viewport3D1->OnMouseWheel = std::bind(&TForm2::Viewport3D1MouseWheel, this, _1, _2, _3, _4);
  Viewport3D1->Touch().SetInteractiveGestures(
      {ui::TInteractiveGesture::Zoom, ui::TInteractiveGesture::DoubleTap});
  Viewport3D1->OnGesture = std::bind(&TForm2::Viewport3D1Gesture, this, _1, _2, _3);
  // The bodies (the planet, its rings and the moons) pass their presses, moves and releases on
  // to the drag.
  Viewport3D1->OnDblClick = [this](scene::TSceneNode& sender) { Viewport3D1DblClick(sender); };
  // The information texts name the view's handlers too, but they never take the pointer.
  for (ui::TText* text : {Text1, Text2}) {
    text->OnMouseDown = Viewport3D1->OnMouseDown;
    text->OnMouseMove = Viewport3D1->OnMouseMove;
    text->OnMouseUp = Viewport3D1->OnMouseUp;
    text->OnMouseWheel = Viewport3D1->OnMouseWheel;
    text->OnDblClick = Viewport3D1->OnDblClick;
  }
  // Each body with the index it selects: the rings select the planet.
  const std::array<std::pair<scene::TControl3D*, int>, 9> bodies = {{{Sphere1, 1},
                                                                     {Disk1, 1},
                                                                     {Sphere3, 2},
                                                                     {Sphere4, 3},
                                                                     {Sphere5, 4},
                                                                     {Sphere6, 5},
                                                                     {Sphere7, 6},
                                                                     {Sphere8, 7},
                                                                     {Sphere9, 8}}};
  for (const auto& [body, bodyIndex] : bodies) {
    const int index = bodyIndex;  // a copy the handlers can capture
    body->OnMouseDown = [this, index](scene::TSceneNode& sender, scene::TMouseButton button,
                                      scene::TShiftState shift, float x, float y,
                                      const scene::TVector3D&, const scene::TVector3D&) {
      BodyMouseDown(index, sender, button, shift, x, y);
    };
    body->OnDblClick = [this](scene::TSceneNode& sender) { Viewport3D1DblClick(sender); };
    body->OnMouseMove = [this](scene::TSceneNode& sender, scene::TShiftState shift, float x,
                               float y, const scene::TVector3D&, const scene::TVector3D&) {
      Viewport3D1MouseMove(sender, shift, x, y);
    };
    body->OnMouseUp = [this](scene::TSceneNode& sender, scene::TMouseButton button,
                             scene::TShiftState shift, float x, float y, const scene::TVector3D&,
                             const scene::TVector3D&) {
      Viewport3D1MouseUp(sender, button, shift, x, y);
    };
  }
}

void TForm2::Viewport3D1MouseDown(scene::TSceneNode&, scene::TMouseButton, scene::TShiftState,
                                  float x, float y) {
  Dragging = true;
  FDown = {x, y};
}

void TForm2::Viewport3D1MouseMove(scene::TSceneNode&, scene::TShiftState shift, float x, float y) {
  if (!Dragging) return;
  // A drag whose release never reached the view or a body (it happened over the panel or
  // outside the window) ends at the first move made with no button held, instead of leaving
  // the view to follow the pointer.
  if (!(shift & scene::ssAnyButton)) {
    Dragging = false;
    return;
  }
  SwingView(x - FDown.X, y - FDown.Y);
  FDown = {x, y};
}

void TForm2::Viewport3D1MouseUp(scene::TSceneNode&, scene::TMouseButton, scene::TShiftState, float,
                                float) {
  Dragging = false;
}

void TForm2::Viewport3D1MouseWheel(scene::TSceneNode&, scene::TShiftState, int wheelDelta,
                                   bool& handled) {
  // One step per turn, whatever its size.
  DoZoom(wheelDelta > 0);
  handled = true;
}

void TForm2::Viewport3D1Gesture(scene::TSceneNode&, const ui::TGestureEventInfo& eventInfo,
                                bool& handled) {
  using ui::TInteractiveGestureFlag;
  switch (eventInfo.GestureID) {
    case ui::GestureIdZoom: {
      const bool begins = eventInfo.Flags.Contains(TInteractiveGestureFlag::gfBegin);
      if (begins) LastZoomDistance = eventInfo.Distance;
      if (!begins && !eventInfo.Flags.Contains(TInteractiveGestureFlag::gfEnd)) {
        // Compared with the previous event only: small changes never add up to a step.
        const int d = eventInfo.Distance - LastZoomDistance;
        if (std::abs(d) > 4) DoZoom(d > 0);
        LastZoomDistance = eventInfo.Distance;
      }
      handled = true;
      break;
    }
    case ui::GestureIdDoubleTap:
      Panel1->SetVisible(!Panel1->Visible());
      handled = true;
      break;
    // Never sent here (pan is not enabled, no stroke is registered), but taken if they come.
    case ui::GestureIdDrawnLeft:
    case ui::GestureIdDrawnRight:
    case ui::GestureIdPan:
      handled = true;
      break;
    default:
      break;
  }
}

void TForm2::DoZoom(bool aIn) {
  const float z = Camera1->Position().Z() + (aIn ? 1.0f : -1.0f);
  if (-80 < z && z < -5) Camera1->Position().SetZ(z);
}

void TForm2::BodyMouseDown(int index, scene::TSceneNode& sender, scene::TMouseButton button,
                           scene::TShiftState shift, float x, float y) {
  if (button == scene::mbRight) {
    // The platform adapter asked the body for a menu first and it had none: the window's menu
    // opens at the pointer instead.
    PopupMenu1->PopupFor(sender, ClientToScreen({x, y}));
    return;
  }
  SelectBody(index);
  Viewport3D1MouseDown(sender, button, shift, x, y);
}

void TForm2::SelectBody(int index) {
  // A loop over every body rather than a lookup: an index outside 1 to 8 leaves the name as
  // it was, and the information alone changes.
  for (int i = 1; i <= BodyCount; ++i)
    if (i == index) Label1->SetText(std::string(BodyName(i)));
  if (index >= 0 && index < static_cast<int>(BodyInfo.size()))
    Text2->SetText(BodyInfo[static_cast<size_t>(index)]);
}

void TForm2::FormResize(scene::TSceneNode&) {
  const float middle = Viewport3D1->Width() / 2;
  // Each coordinate written on its own, Y first, as the window was designed: each write is a
  // move of its own.
  Text1->SetPosition({Text1->Position().X, 40});
  Text1->SetPosition({middle - 200 - 7, 40});
  Text2->SetPosition({Text2->Position().X, 40});
  Text2->SetPosition({middle + 7, 40});
  // The list of keys stays in the middle (F11 while it is shown, say).
  if (KeyPanel && KeyPanel->Visible()) ShowKeyPanel(true);
}

void TForm2::FormKeyDown(scene::TSceneNode&, ui::TKeyCode& key, char32_t& keyChar,
                         scene::TShiftState shift) {
  // Keys with Ctrl, Alt or the command key belong to the desktop, but for Ctrl+S.
  const bool plain = !(shift & (scene::ssCtrl | scene::ssAlt | scene::ssCommand));
  // F1, or Escape while the list of keys is shown, shows or hides that list and does nothing
  // more.
  if (plain && (key == ui::vkF1 || (key == ui::vkEscape && KeyPanel->Visible()))) {
    ShowKeyPanel(key == ui::vkF1 && !KeyPanel->Visible());
    return;
  }
  if (keyChar == U' ') Panel1->SetVisible(!Panel1->Visible());
  // Escape leaves full screen as the menu's "Full screen" does, its mark following; Ctrl and
  // Alt with Escape belong to the desktop.
  if (key == ui::vkEscape && !(shift & (scene::ssCtrl | scene::ssAlt)) && FullScreen()) {
    MenuItem5->SetIsChecked(false);
    SetFullScreen(false);
  }
  if (plain && key == ui::vkF11) MenuItem5Click(*MenuItem5);
  if (key == 'S' &&
      (shift & (scene::ssCtrl | scene::ssAlt | scene::ssShift | scene::ssCommand)) == scene::ssCtrl)
    MenuItem7Click(*MenuItem7);
  if (!plain) return;
  // The arrows swing the view as a drag of KeySwingStep units that way would.
  switch (key) {
    case ui::vkLeft:
      SwingView(-KeySwingStep, 0);
      break;
    case ui::vkRight:
      SwingView(KeySwingStep, 0);
      break;
    case ui::vkUp:
      SwingView(0, -KeySwingStep);
      break;
    case ui::vkDown:
      SwingView(0, KeySwingStep);
      break;
    case ui::vkHome:
      ReturnToStartView();
      break;
    default:
      break;
  }
  // Plus and minus, the keypad's too, are one wheel step each.
  if (keyChar == U'+' || keyChar == U'=') DoZoom(true);
  if (keyChar == U'-') DoZoom(false);
}

void TForm2::SwingView(float dx, float dy) {
  // Degrees per unit of pointer travel, growing with the distance so that a drag of the same
  // length moves the picture about equally at every zoom.
  const float z = Camera1->Position().Z();
  const float k = 0.3f * ((-7 - z) / 33 + 0.1f);
  // Two separate writes: each turns the pivot about its own axes as they stand after the
  // previous one.
  Dummy1->RotationAngle().SetX(Dummy1->RotationAngle().X() - dy * k);
  Dummy1->RotationAngle().SetY(Dummy1->RotationAngle().Y() + dx * k);
}

void TForm2::ReturnToStartView() {
  // The orientation the pivot starts with, exactly (angle writes turn it from where it is),
  // and the camera where the start's glide leaves it.
  Dummy1->ResetRotationAngle();
  SetStartView(*this);
  Camera1->Position().SetZ(SettledCameraZ);
}

void TForm2::Viewport3D1DblClick(scene::TSceneNode&) {
  Panel1->SetVisible(!Panel1->Visible());
}

void TForm2::FlyTo(int index) {
  SelectBody(index);
  const TFlyToRow& row = FlyToRows[static_cast<size_t>(index - 1)];
  Camera1->Position().SetZ(row.CameraZ);
  // Each write turns the pivot by the change of its angle about its own axes: this is no reset
  // to the start orientation, and what dragging left behind stays.
  Dummy1->RotationAngle().SetX(0);
  Dummy1->RotationAngle().SetY(0);
  // The planet is seen as it stands; a moon's angle is a quarter turn on from its position.
  const scene::TSphere* body = index == 1 ? Sphere1 : Moons()[static_cast<size_t>(index - 2)];
  Dummy1->RotationAngle().SetY(index == 1 ? body->RotationAngle().Y()
                                          : body->RotationAngle().Y() - 90);
}

void TForm2::MenuItem1Click(scene::TSceneNode&) {
  MenuItem1->SetIsChecked(!MenuItem1->IsChecked());
  // Each resumes from the angle where it stopped (TOrbitAnimation), so nothing jumps.
  for (TOrbitAnimation* animation : FloatAnimations) {
    if (MenuItem1->IsChecked())
      animation->Start();
    else
      animation->StopAtCurrent();
  }
}

void TForm2::MenuItem2Click(scene::TSceneNode&) {
  MenuItem2->SetIsChecked(!MenuItem2->IsChecked());
  Label1->SetVisible(MenuItem2->IsChecked());
}

void TForm2::MenuItem3Click(scene::TSceneNode&) {
  MenuItem3->SetIsChecked(!MenuItem3->IsChecked());
  Text1->SetVisible(MenuItem3->IsChecked());
  Text2->SetVisible(MenuItem3->IsChecked());
}

void TForm2::MenuItem5Click(scene::TSceneNode&) {
  MenuItem5->SetIsChecked(!MenuItem5->IsChecked());
  Form2->SetFullScreen(MenuItem5->IsChecked());
}

void TForm2::MenuItem7Click(scene::TSceneNode&) {
  SaveDialog1->SetInitialDir(PictureFolder);
  if (!SaveDialog1->Execute()) return;
  // Rendered after the dialog has closed: the picture shows the scene at this moment.
  SaveScreenshot(SaveDialog1->FileName());
}

void TForm2::SaveScreenshot(const std::string& fileName) {
  SaveParams.Quality = 100;
  ScreenshotPicture().SaveToFile(fileName, &SaveParams);
}

ui::TBitmap TForm2::ScreenshotPicture() {
  const std::unique_ptr<ui::TBitmap> picture = Viewport3D1->MakeScreenshot();
  // As the screen shows the view: over the window's black fill, not see-through where the
  // scene left the view's clear colour (a PNG's rings and gaps would show a viewer's white).
  return ui::FlattenedOver(*picture, Fill().Color | ui::claBlack);
}

void TForm2::MenuItem6Click(scene::TSceneNode&) {
  if (Application && Form1) Application->ShowWindow(*Form1);
}

void TForm2::MenuItem4Click(scene::TSceneNode&) {
  if (Application) Application->Terminate();
}

void TForm2::PrepareToPaint() {
  // The view's render target is allocated while the textures may still be on their way.
  Viewport3D1->UpdateContext();
  if (!FTextures) return;
  FTextures->AttachAll(*this);
  // Drawn with the small copies: paint again, to take the full textures once they are made.
  if (!FTextures->Complete()) Viewport3D1->RequestRender();
}

void TForm2::FormCreate(scene::TSceneNode&) {
  EnsurePictureFolder();
  Dragging = false;
  // The name shows from the start; the information waits for "Show info".
  Text1->SetVisible(false);
  Text2->SetVisible(false);
  Label1->SetVisible(true);
  // The moons' rotation centres are not stored: they turn about the planet's centre.
  SetMoonRotationCentres(*this);
  Text1->SetText(BodyCaptions);
  for (int i = 1; i <= BodyCount; ++i)
    BodyInfo[static_cast<size_t>(i)] = BodyEntry(i);
  SelectBody(1);
  // The camera starts far out and glides in over three seconds.
  SetStartView(*this);
  Camera1->AnimateFloat("position.z", SettledCameraZ, 3, scene::TAnimationType::In,
                        scene::TInterpolationType::Linear);
}

}  // namespace app
