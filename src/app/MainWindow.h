// The main window: the 3D scene, the overlay controls, the context menu and every handler.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/OrbitAnimation.h"
#include "app/SceneTextures.h"
#include "app/StoredScene.h"
#include "ui/basics/GestureEvent.h"
#include "ui/controls/Text.h"
#include "ui/dialogs/SaveDialog.h"
#include "ui/files/BitmapCodecs.h"
#include "ui/menu/PopupMenu.h"
#include "ui/paint/Bitmap.h"
#include "ui/style/StyleBook.h"
#include "ui/style/TextControls.h"
#include "ui/window/Form.h"
#include "ui/window/Shell.h"

namespace app {

// As with the About window, the designed names stay (Form2, Sphere4, MenuItem7, Button11):
// the handlers and the stored properties are known by them.
class TForm2 : public ui::TFormBase, public TStoredScene {
 public:
  TForm2();
  ~TForm2() override;

  // The planet's spin and the seven orbits, FloatAnimation1 to FloatAnimation8.
  std::array<TOrbitAnimation*, 8> FloatAnimations{};

  void BuildStoredTree() override;
  void PrepareToPaint() override;
  void FormCreate(scene::TSceneNode& sender);

  // The context menu of the view and the bodies, and its items in the order shown:
  // "Auto-rotate", "Show names", "Show info", "Full screen", "Screenshot", "About", "Exit".
  ui::TPopupMenu* PopupMenu1 = nullptr;
  ui::TMenuItem *MenuItem1 = nullptr, *MenuItem2 = nullptr, *MenuItem3 = nullptr,
                *MenuItem5 = nullptr, *MenuItem7 = nullptr, *MenuItem6 = nullptr,
                *MenuItem4 = nullptr;
  // The current body's name over the view, and its information: captions and values.
  ui::TLabel* Label1 = nullptr;
  ui::TText* Text1 = nullptr;
  ui::TText* Text2 = nullptr;
  // The side panel with one fly-to button per body, and the styles that draw it.
  ui::TPanel* Panel1 = nullptr;
  ui::TButton *Button11 = nullptr, *Button4 = nullptr, *Button8 = nullptr, *Button1 = nullptr,
              *Button2 = nullptr, *Button3 = nullptr, *Button5 = nullptr, *Button6 = nullptr;
  ui::TStyleBook* StyleBook1 = nullptr;
  // Asks for the screenshot's file: "jpg" appended to a bare name, JPEG or BMP offered.
  ui::TSaveDialog* SaveDialog1 = nullptr;

  // Makes body `index` (1 to 8) the current one: its name in the label, its values in Text2,
  // whether they are shown or not.
  void SelectBody(int index);
  // Places the captions and the values on either side of the view's centre line.
  void FormResize(scene::TSceneNode& sender);
  // Space shows or hides the side panel (when no focused button took it); Escape leaves full
  // screen as the menu's "Full screen" does (and does nothing in a framed window).
  // The keys of KeyHelp.h: F1 and Escape for the list of keys, F11 (as "Full screen"), Ctrl+S
  // (as "Screenshot"), the arrows (SwingView), + and - (DoZoom), Home (ReturnToStartView),
  // Space (the side panel), Escape (leaving full screen).
  void FormKeyDown(scene::TSceneNode& sender, ui::TKeyCode& key, char32_t& keyChar,
                   scene::TShiftState shift);
  // A double-click on the view or a body shows or hides the side panel.
  void Viewport3D1DblClick(scene::TSceneNode& sender);
  // A fly-to button: selects its body, puts the camera at the body's viewing distance and
  // turns the pivot, upright, towards the body.
  void FlyTo(int index);

  // Navigation: a drag swings the pivot (and with it camera and light) about the planet; the
  // wheel and a pinch move the camera along the pivot's Z axis, one unit a step, strictly
  // between -80 and -5.
  void Viewport3D1MouseDown(scene::TSceneNode& sender, scene::TMouseButton button,
                            scene::TShiftState shift, float x, float y);
  void Viewport3D1MouseMove(scene::TSceneNode& sender, scene::TShiftState shift, float x, float y);
  void Viewport3D1MouseUp(scene::TSceneNode& sender, scene::TMouseButton button,
                          scene::TShiftState shift, float x, float y);
  void Viewport3D1MouseWheel(scene::TSceneNode& sender, scene::TShiftState shift, int wheelDelta,
                             bool& handled);
  // A pinch zooms one step when the fingers' distance jumps by more than 4 pixels between
  // two events; a double tap is handled here.
  void Viewport3D1Gesture(scene::TSceneNode& sender, const ui::TGestureEventInfo& eventInfo,
                          bool& handled);
  // One zoom step: towards the planet when `aIn`.
  void DoZoom(bool aIn);
  // Turns the pivot as a drag of (dx, dy) pointer units does, by the factor of the camera's
  // distance.
  void SwingView(float dx, float dy);
  // The pivot's start orientation and the camera where the start's glide leaves it.
  void ReturnToStartView();
  // The list of keys and mouse actions over the middle of the window (F1), in the side panel's
  // style; hidden at start.
  ui::TPanel* KeyPanel = nullptr;
  void ShowKeyPanel(bool show);
  static constexpr float KeyPanelWidth = 480, KeyPanelHeight = 340;
  // How far (pointer units) an arrow key swings the view.
  static constexpr float KeySwingStep = 20;
  // The camera's distance once the start's glide is over.
  static constexpr float SettledCameraZ = -26;
  // A press on a body (the planet, its rings or a moon) starts a drag as on empty space; a
  // right press asks for the context menu at the pointer instead.
  void BodyMouseDown(int index, scene::TSceneNode& sender, scene::TMouseButton button,
                     scene::TShiftState shift, float x, float y);

  // The menu's handlers. Each item that carries a mark inverts it itself (none checks
  // automatically), then acts on it.
  // "Auto-rotate": the planet's spin and the orbits resume from where they stand, or stop there.
  void MenuItem1Click(scene::TSceneNode& sender);
  // "Show names": the body's name over the view.
  void MenuItem2Click(scene::TSceneNode& sender);
  // "Show info": the information texts either side of the centre line.
  void MenuItem3Click(scene::TSceneNode& sender);
  // "Full screen": the main window fills the screen, or goes back to a framed window.
  void MenuItem5Click(scene::TSceneNode& sender);
  // "Screenshot": asks for a file name, starting in the picture folder, then saves what the
  // view shows (the scene and the name, without the panel and the texts) in the format the
  // name's extension gives.
  void MenuItem7Click(scene::TSceneNode& sender);
  // Renders the view now and saves it under `fileName` at the best quality, its extension
  // choosing the format: what "Screenshot" saves once its dialog is answered.
  void SaveScreenshot(const std::string& fileName);
  // Renders the view now as SaveScreenshot saves it: opaque, over the window's fill.
  ui::TBitmap ScreenshotPicture();
  // "About": shows the About window beside this one.
  void MenuItem6Click(scene::TSceneNode& sender);
  // "Exit": ends the program.
  void MenuItem4Click(scene::TSceneNode& sender);

  const TSceneTextures* Textures() const { return FTextures.get(); }

 private:
  void BuildKeyPanel();
  void BuildMenu();
  void ConnectNavigation();
  void BuildOverlay(ui::TViewport3D& viewport);
  void BuildPanel();
  void BuildTexts();
  void BuildSaveDialog();

  std::unique_ptr<TSceneTextures> FTextures;
  // The pointer at the last press or the last move of a drag, in the view's coordinates.
  ui::TPointF FDown;
};

// State of the main window's unit, alive from start to end of the process.
extern TForm2* Form2;
// The application running the windows, set by the entry point for the time it runs (null
// while none runs).
extern ui::TShell* Application;
extern bool Dragging;
// Whether the main window opens full screen (so it does, unless the command line asks for the
// normal window); the "Full screen" item's mark starts the same.
extern bool StartFullScreen;
extern int LastZoomDistance;
// What the screenshot command saves with: the best JPEG quality.
extern ui::TBitmapCodecSaveParams SaveParams;
// The information of bodies 1 to 14 (0 unused; 9 to 14 stay empty), eleven lines each.
extern std::array<std::string, 15> BodyInfo;

// A fly-to button's row: the body, its button and caption, where the camera goes, and the
// body whose turn the pivot follows (the planet as it stands, a moon less 90 degrees).
struct TFlyToRow {
  int Index;
  const char* Button;
  float CameraZ;
  int TabOrder;
  float Y;  // the button's top in the panel
};
extern const std::array<TFlyToRow, 8> FlyToRows;

}  // namespace app
