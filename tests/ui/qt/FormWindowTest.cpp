// The form's native window on the test's X display: the 2D layer painted with Qt's OpenGL
// engine over a 3D view, frame after frame (the 3D device and the paint engine leave each
// other a usable GL state), key presses handed to the form, and the frame the window asks
// the window system for.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "VirtualScreen.h"
#include "scene/objects/Sphere.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/QtShell.h"
#include "ui/view3d/Viewport3D.h"
#include "ui/window/Control.h"
#include "ui/window/Form.h"

namespace ui::qt {
namespace {

constexpr scene::TAlphaColor Sky = 0xFF2040A0, Badge = 0xFF20C040, Ink = 0xFFFFFFFF;

// A picture of 2 x 2 pixels: red, green / blue, white.
TBitmapPtr Quadrants() {
  scene::TTextureImage image(2, 2);
  const std::uint8_t pixels[] = {255, 0, 0,   255, 0,   255, 0,   255,
                                 0,   0, 255, 255, 255, 255, 255, 255};
  std::copy(std::begin(pixels), std::end(pixels), image.Pixels.begin());
  return std::make_shared<TBitmap>(std::move(image));
}

// A rounded badge, an outline, a line of text and a picture.
class TBadge : public TControl {
 protected:
  void Paint(IPainter& painter) override {
    painter.FillRect({10, 10, 130, 60}, 12, 12, Badge, 1);
    painter.StrokeRect({150, 10, 270, 60}, 12, 12, 3, Badge, 1);
    painter.DrawText({"Default", 24, 0}, "Orvane", {10, 150}, Ink, 1);
    painter.DrawBitmap(*FPicture, {0, 0, 2, 2}, {250, 120, 290, 160}, 1, false);
  }

 private:
  TBitmapPtr FPicture = Quadrants();
};

struct Window : ::testing::Test {
  std::unique_ptr<TFormBase> form = std::make_unique<TFormBase>();
  std::unique_ptr<TFormWindow> window;
  std::vector<QImage> frames;

  Window() {
    form->SetClientSize(320, 200);
    auto* view = new TViewport3D;
    form->AddChild(view);
    view->SetAlign(TControlAlign::Client);
    view->SetColor(Sky);
    auto* sphere = new scene::TSphere;  // unlit red without a material
    view->AddChild(sphere);
    sphere->Scale().SetX(6);
    sphere->Scale().SetY(6);
    sphere->Scale().SetZ(6);
    auto* badge = new TBadge;
    form->AddChild(badge);
    badge->SetBounds(0, 0, 320, 200);
    badge->SetHitTest(false);

    window = std::make_unique<TFormWindow>(*form);
    // Each frame as it was drawn, read back before the swap.
    QObject::connect(window.get(), &TFormWindow::FramePresented, [this] {
      QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
      const int w = window->width(), h = window->height();
      QImage frame(w, h, QImage::Format_RGBA8888);
      gl->glBindFramebuffer(GL_FRAMEBUFFER, window->defaultFramebufferObject());
      gl->glPixelStorei(GL_PACK_ALIGNMENT, 4);
      gl->glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, frame.bits());
      frames.push_back(frame.mirrored());
    });
  }

  ~Window() override {
    window->FreeForm(std::move(form));
    window.reset();
  }

  // Waits for `count` frames in all (ten seconds at the most: Mesa draws in software).
  bool WaitForFrames(size_t count) {
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto connection = QObject::connect(
        window.get(), &TFormWindow::FramePresented, &loop,
        [&] {
          if (frames.size() >= count) loop.quit();
        },
        Qt::QueuedConnection);
    deadline.start(10000);
    if (frames.size() < count) loop.exec();
    QObject::disconnect(connection);
    return frames.size() >= count;
  }
};

std::string Hex(QRgb c) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", c);
  return text;
}

void ExpectColor(const QImage& frame, int x, int y, scene::TAlphaColor expected) {
  const QRgb got = frame.pixel(x, y) | 0xFF000000;  // the window's alpha is not shown
  EXPECT_EQ(Hex(got), Hex(expected)) << "at " << x << ", " << y;
}

TEST_F(Window, PaintsThe2DLayerOverThe3DViewEveryFrame) {
  form->Show();
  ASSERT_TRUE(WaitForFrames(1)) << "the window drew no frame";
  window->update();
  ASSERT_TRUE(WaitForFrames(frames.size() + 1));
  window->update();
  ASSERT_TRUE(WaitForFrames(frames.size() + 1));
  ASSERT_EQ(frames.front().size(), QSize(320, 200));
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE("frame " + std::to_string(i + 1));
    const QImage& f = frames[i];
    ExpectColor(f, 160, 100, 0xFFFF0000);  // the sphere
    ExpectColor(f, 300, 180, Sky);
    // The filled badge, the view in the box's corners outside its rounded corners.
    ExpectColor(f, 70, 35, Badge);
    ExpectColor(f, 11, 11, Sky);
    ExpectColor(f, 128, 58, Sky);
    ExpectColor(f, 14, 35, Badge);
    // Antialiased: the rounded corner blends the badge into the view.
    int blended = 0;
    for (int y = 10; y < 22; ++y)
      for (int x = 10; x < 22; ++x) {
        const QRgb c = f.pixel(x, y) | 0xFF000000;
        if (c != Sky && c != Badge) ++blended;
      }
    EXPECT_GE(blended, 8);
    // The outline on the edge, the view inside it.
    ExpectColor(f, 150, 35, Badge);
    ExpectColor(f, 210, 10, Badge);
    ExpectColor(f, 210, 35, Sky);
    ExpectColor(f, 151, 11, Sky);
    // The picture's pixels in its quarters.
    ExpectColor(f, 260, 130, 0xFFFF0000);
    ExpectColor(f, 280, 130, 0xFF00FF00);
    ExpectColor(f, 260, 150, 0xFF0000FF);
    ExpectColor(f, 280, 150, 0xFFFFFFFF);
    ExpectColor(f, 248, 140, Sky);
    // The text: bright pixels above its baseline only.
    int bright = 0, belowBaseline = 0;
    for (int y = 110; y < 170; ++y)
      for (int x = 5; x < 140; ++x)
        if (qGray(f.pixel(x, y)) > 200) ++(y < 150 ? bright : belowBaseline);
    EXPECT_GT(bright, 100);
    EXPECT_EQ(belowBaseline, 0);
  }
}

TEST_F(Window, HandsKeyPressesToTheForm) {
  struct TKey {
    TKeyCode key;
    char32_t keyChar;
    scene::TShiftState shift;
  };
  std::vector<TKey> keys;
  form->OnKeyDown = [&](scene::TSceneNode&, TKeyCode& key, char32_t& keyChar,
                        scene::TShiftState shift) {
    keys.push_back({key, keyChar, shift});
  };
  const struct {
    QEvent::Type type;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool autoRepeat;
  } events[] = {
      {QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", false},
      {QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", true},  // held: repeats
      {QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", false},
      {QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, "", false},  // nothing to tell
      {QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier, "\r", false},
      {QEvent::KeyPress, Qt::Key_F10, Qt::NoModifier, "", false},
  };
  for (const auto& e : events) {
    QKeyEvent event(e.type, e.qtKey, e.modifiers, e.text, e.autoRepeat);
    QCoreApplication::sendEvent(window.get(), &event);
    if (e.type == QEvent::KeyPress) {
      EXPECT_TRUE(event.isAccepted());
    }
  }
  ASSERT_EQ(keys.size(), 4u);
  EXPECT_EQ(keys[0].key, 'A');
  EXPECT_EQ(keys[0].keyChar, U'a');
  EXPECT_EQ(keys[1].key, 'A');
  EXPECT_EQ(keys[2].key, vkReturn);
  EXPECT_EQ(keys[2].shift, scene::ssShift);
  EXPECT_EQ(keys[3].key, vkF10);
  EXPECT_EQ(keys[3].keyChar, 0u);
}

// Hidden (unmapped, as minimising does), the window draws nothing, however often the scene
// asks; shown again, it draws the scene as it is then.
TEST_F(Window, DrawsNothingWhileHiddenAndDrawsAgainWhenShown) {
  form->Show();
  ASSERT_TRUE(WaitForFrames(1)) << "the window drew no frame";
  const size_t drawn = frames.size();
  window->hide();
  for (int i = 0; i < 10; ++i) {
    form->Invalidate({0, 0, 320, 200});
    QEventLoop wait;
    QTimer::singleShot(30, &wait, &QEventLoop::quit);
    wait.exec();
  }
  EXPECT_EQ(frames.size(), drawn) << "frames drawn while hidden";
  window->show();
  EXPECT_TRUE(WaitForFrames(drawn + 1)) << "no frame once shown again";
}

// The scene may ask for frames far more often than the screen shows them (a fast device, many
// changes at once): the window draws at most once a refresh, and the last request is drawn.
TEST_F(Window, DrawsNoFasterThanTheScreenRefreshesAndDrawsTheLastRequest) {
  form->Show();
  ASSERT_TRUE(WaitForFrames(1)) << "the window drew no frame";
  const size_t before = frames.size();
  QElapsedTimer clock;
  clock.start();
  qint64 lastAsked = 0, lastDrawn = 0;
  QObject::connect(window.get(), &TFormWindow::FramePresented,
                   [&] { lastDrawn = clock.nsecsElapsed(); });
  QTimer often;
  QObject::connect(&often, &QTimer::timeout, [&] {
    form->Invalidate({0, 0, 320, 200});
    lastAsked = clock.nsecsElapsed();
  });
  often.start(1);
  const auto runFor = [](int milliseconds) {
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec();
  };
  runFor(600);
  often.stop();
  const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  const size_t drawn = frames.size() - before;
  const qreal rate = window->screen()->refreshRate() >= 1 ? window->screen()->refreshRate() : 60;
  EXPECT_LE(static_cast<double>(drawn), seconds * rate + 2) << "in " << seconds << " s";
  EXPECT_GE(drawn, 2u);
  runFor(500);
  EXPECT_GT(lastDrawn, lastAsked) << "the last request was not drawn";
}

// A wheel turn after the window moved under a still pointer comes with no move before it: the
// turn goes to what lies under the point it carries, not under the last move's.
TEST_F(Window, TurnsTheWheelAtItsOwnPoint) {
  auto* left = new TControl;
  auto* right = new TControl;
  std::vector<TControl*> turned;
  for (TControl* half : {left, right}) {
    form->AddChild(half);
    half->SetHitTest(true);
    half->OnMouseWheel = [&turned, half](scene::TSceneNode&, scene::TShiftState, int,
                                         bool& handled) {
      turned.push_back(half);
      handled = true;
    };
  }
  left->SetBounds(0, 0, 160, 200);
  right->SetBounds(160, 0, 160, 200);
  const auto send = [&](QEvent& event) { QCoreApplication::sendEvent(window.get(), &event); };
  QMouseEvent move(QEvent::MouseMove, QPointF(40, 100), QPointF(40, 100), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  send(move);
  window->setPosition(window->position() - QPoint(160, 0));
  QWheelEvent turn(QPointF(200, 100), QPointF(40, 100), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  send(turn);
  EXPECT_EQ(turned, std::vector<TControl*>{right});
}

// The caption's buttons belong to its window menu; a borderless window has no caption; a
// fixed frame holds the client size; StayOnTop and Popup windows stay above the others.
TEST(WindowFrame, FollowsTheBorderStyleIconsAndFormStyle) {
  constexpr Qt::WindowFlags Caption = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  constexpr Qt::WindowFlags Buttons = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                      Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
  const struct {
    const char* Name;
    TFormBorderStyle Style;
    TBorderIcons Icons;
    TFormStyle FormStyle;
    Qt::WindowFlags On, Off;
    bool Fixed;
  } cases[] = {
      {"main window", TFormBorderStyle::Sizeable, AllBorderIcons, TFormStyle::Normal,
       Caption | Buttons, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint, false},
      {"About window", TFormBorderStyle::Single, 0, TFormStyle::StayOnTop,
       Caption | Qt::WindowStaysOnTopHint, Qt::FramelessWindowHint | Buttons, true},
      {"menu only", TFormBorderStyle::Sizeable, biSystemMenu, TFormStyle::Popup,
       Caption | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint,
       Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint, false},
      {"buttons without the menu", TFormBorderStyle::Sizeable, biMinimize | biMaximize,
       TFormStyle::Normal, Caption, Buttons, false},
      {"borderless", TFormBorderStyle::None, AllBorderIcons, TFormStyle::Normal,
       Qt::FramelessWindowHint, Qt::WindowTitleHint | Buttons, false},
      {"tool window", TFormBorderStyle::ToolWindow, AllBorderIcons, TFormStyle::Normal,
       Qt::Tool | Caption, Qt::FramelessWindowHint, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TFormBase form;
    form.SetClientSize(200, 100);
    form.SetBorderStyle(c.Style);
    form.SetBorderIcons(c.Icons);
    form.SetFormStyle(c.FormStyle);
    TFormWindow window(form);
    EXPECT_EQ(window.flags() & c.On, c.On);
    EXPECT_EQ(window.flags() & c.Off, Qt::WindowFlags());
    EXPECT_EQ(window.size(), QSize(200, 100));
    EXPECT_EQ(window.minimumSize() == window.maximumSize(), c.Fixed);
    // Changed on the window that exists: the same flags as made with them.
    form.SetBorderStyle(TFormBorderStyle::Sizeable);
    EXPECT_FALSE(window.flags() & Qt::FramelessWindowHint);
    EXPECT_NE(window.minimumSize(), window.maximumSize());
  }
}

}  // namespace
}  // namespace ui::qt

// The windows need a display: an X server of the test's own.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();  // the build lists them
  std::optional<testdisplay::TVirtualScreen> screen;
  if (!testdisplay::StartTheTestScreen(screen)) return 1;
  ui::qt::TQtShell::PrepareGraphics();
  QGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
