#include "app/Program.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <span>

#include "app/AboutWindow.h"
#include "app/HugePages.h"
#include "app/MainWindow.h"
#include "app/SceneTextures.h"
#include "assets/EmbeddedAssets.h"
#include "scene/animation/AnimationPlatform.h"
#include "ui/dialogs/SaveDialog.h"
#include "ui/files/DocumentsFolder.h"
#include "ui/files/ImageFileWriter.h"
#include "ui/menu/MenuPresenter.h"
#include "ui/qt/QtAnimationPlatform.h"
#include "ui/qt/QtDocumentsFolder.h"
#include "ui/qt/QtImageFileWriter.h"
#include "ui/qt/QtMenuPresenter.h"
#include "ui/qt/QtOneShotTimer.h"
#include "ui/qt/QtSaveDialog.h"
#include "ui/qt/QtShell.h"
#include "ui/qt/QtTextureUploader.h"
#include "ui/qt/QtWebBrowser.h"
#include "ui/window/Shell.h"

namespace app {

std::string StartScreen;

namespace {

// The monitor named `name` (as xrandr and Qt name it) or numbered so (from 0, in Qt's order);
// null when there is none.
QScreen* ScreenNamed(const std::string& name) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  for (QScreen* s : screens)
    if (s->name().toStdString() == name) return s;
  bool isNumber = false;
  const int number = QString::fromStdString(name).toInt(&isNumber);
  return isNumber && number >= 0 && number < screens.size() ? screens[number] : nullptr;
}

// "orvane: no monitor 'X'. The monitors are:" and one line each: number, name, size, place.
std::string MonitorList(const std::string& asked) {
  std::string text = "orvane: no monitor '" + asked + "'. The monitors are:\n";
  const QList<QScreen*> screens = QGuiApplication::screens();
  for (qsizetype i = 0; i < screens.size(); ++i) {
    const QRect g = screens[i]->geometry();
    text += QStringLiteral("  %1: %2, %3 x %4 at %5, %6%7\n")
                .arg(i)
                .arg(screens[i]->name())
                .arg(g.width())
                .arg(g.height())
                .arg(g.x())
                .arg(g.y())
                .arg(screens[i] == QGuiApplication::primaryScreen() ? QStringLiteral(" (primary)")
                                                                    : QString())
                .toStdString();
  }
  return text;
}

// The generated icon in every size the program carries.
QIcon ProgramIcon() {
  QIcon icon;
  for (int size : assets::IconSizes) {
    const std::span<const std::uint8_t> png = assets::EmbeddedIcon(size);
    QImage image;
    if (image.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"))
      icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace

int RunOrvane(int argc, char** argv, const std::function<void(ui::qt::TQtShell&)>& onLoopStarted,
              const std::function<void()>& configure) {
  StartWithHugePages(argv);
  // The view's multisampled colour and depth at 1920 x 1080 take 66 MB, the first textures 10.
  WarmHeap(std::size_t{80} << 20);
  ui::qt::TQtShell::PrepareGraphics();
  ui::qt::TQtShell platform(argc, argv);
  // The window's class on X11 (WM_CLASS "orvane", "Orvane": the desktop entry's StartupWMClass)
  // and the entry itself (Wayland's app id), so that docks match the window to its launcher;
  // and the program's own icon on its windows.
  platform.setApplicationName("Orvane");
  platform.setDesktopFileName(QString::fromLatin1(DesktopEntryId));
  platform.setWindowIcon(ProgramIcon());
  // Without OpenGL 3.3 the view would stay black: say what is missing and end.
  if (!StartScreen.empty()) {
    QScreen* screen = ScreenNamed(StartScreen);
    if (!screen) {
      std::fputs(MonitorList(StartScreen).c_str(), stderr);
      return 2;
    }
    platform.SetStartScreen(screen);
  }
  if (const QString shortfall = platform.GraphicsShortfall(); !shortfall.isEmpty()) {
    platform.ReportStartFailure(QStringLiteral("Moons of Orvane"), shortfall);
    return 1;
  }
  // The one animation clock runs on the event loop's timers.
  ui::qt::TQtAnimationPlatform animationPlatform;
  scene::TServiceInstallation<scene::IAnimationPlatform> animationClock(animationPlatform);
  // Context menus in the desktop's look; a chosen item's click runs on the loop's timers.
  ui::qt::TQtMenuPresenter menuPresenter;
  ui::qt::TQtOneShotTimerSource menuTimers;
  scene::TServiceInstallation<ui::IMenuPresenter> menus(menuPresenter);
  scene::TServiceInstallation<ui::IOneShotTimerSource> menuClicks(menuTimers);
  // The About window's link opens its page in the desktop's browser.
  ui::qt::TQtWebBrowser browser;
  scene::TServiceInstallation<ui::IWebBrowser> pages(browser);
  // The scene's textures are made on a thread of their own while the window starts.
  TSceneTexturesFunction textureMaker([] {
    return std::make_unique<TPackedSceneTextures>(std::make_unique<ui::qt::TQtTextureUploader>());
  });
  scene::TServiceInstallation<ISceneTexturesMaker> textures(textureMaker);
  // Screenshots: the save dialog, the image files, and the documents folder they start in.
  ui::qt::TQtSaveDialogPresenter saveDialogPresenter;
  scene::TServiceInstallation<ui::ISaveDialogPresenter> saveDialogs(saveDialogPresenter);
  ui::qt::TQtImageFileWriter imageFileWriter;
  scene::TServiceInstallation<ui::IImageFileWriter> imageFiles(imageFileWriter);
  ui::qt::TQtDocumentsFolder documentsFolder;
  scene::TServiceInstallation<ui::IDocumentsFolder> documents(documentsFolder);
  if (configure) configure();
  if (onLoopStarted) QTimer::singleShot(0, &platform, [&] { onLoopStarted(platform); });

  ui::TShell application(platform);
  Application = &application;
  application.RegisterWindow(Form2);
  application.RegisterWindow(Form1);
  application.Run();
  Application = nullptr;
  return 0;
}

}  // namespace app
