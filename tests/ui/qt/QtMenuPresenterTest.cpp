// The Qt menu presenter on the offscreen platform (one 800 x 600 screen): a checkable action
// per entry with its mark, the menu placed by the placement rule, the chosen entry answered,
// and nothing for a dismissed menu. What the open menu shows is read from inside its loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <vector>

#include "ui/qt/QtMenuPresenter.h"

namespace ui::qt {
namespace {

const std::vector<TMenuEntry> Entries = {{"Auto-rotate", true}, {"Show info", false}, {"Exit"}};

struct TSeen {
  QStringList Texts;
  std::vector<bool> Checkable, Checked;
  QPoint TopLeft;
  QSize Size;
};

// Presents `Entries` at `at`; once the menu is on the screen, records it and hands it to `act`.
std::optional<std::size_t> PresentAndAct(TScreenPoint at, TSeen& seen,
                                         const std::function<void(QMenu&)>& act) {
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
      ADD_FAILURE() << "no menu is open";
      for (QWidget* widget : QApplication::topLevelWidgets())
        widget->close();
      return;
    }
    for (const QAction* action : menu->actions()) {
      seen.Texts << action->text();
      seen.Checkable.push_back(action->isCheckable());
      seen.Checked.push_back(action->isChecked());
    }
    seen.TopLeft = menu->pos();
    seen.Size = menu->size();
    act(*menu);
  });
  TQtMenuPresenter presenter;
  return presenter.Present(Entries, at);
}

TEST(QtMenuPresenter, ShowsAnActionPerEntryMarkedWhenCheckedAndAnswersTheChosenOne) {
  TSeen seen;
  // As a person would: the second row highlighted, then Return.
  const auto chosen = PresentAndAct({100, 200}, seen, [](QMenu& menu) {
    menu.setActiveAction(menu.actions().at(1));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&menu, &press);
  });
  EXPECT_EQ(chosen, std::optional<std::size_t>(1));
  EXPECT_EQ(seen.Texts, (QStringList{"Auto-rotate", "Show info", "Exit"}));
  // Only the checked item carries a mark; the others show no empty box.
  EXPECT_EQ(seen.Checkable, (std::vector<bool>{true, false, false}));
  EXPECT_EQ(seen.Checked, (std::vector<bool>{true, false, false}));
  EXPECT_EQ(seen.TopLeft, QPoint(100, 200));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the menu is gone";
}

TEST(QtMenuPresenter, PlacesTheMenuInsideTheScreenAndAnswersNothingWhenDismissed) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  TSeen seen;
  const auto chosen =
      PresentAndAct({area.right() - 5, area.bottom() - 5}, seen, [](QMenu& menu) { menu.close(); });
  EXPECT_EQ(chosen, std::nullopt);
  ASSERT_TRUE(seen.Size.isValid());
  EXPECT_EQ(seen.TopLeft, QPoint(area.x() + area.width() - seen.Size.width(),
                                 area.y() + area.height() - seen.Size.height()));
  EXPECT_EQ(PlaceMenuOnScreens({area.right() - 5, area.bottom() - 5}, seen.Size), seen.TopLeft);
}

}  // namespace
}  // namespace ui::qt

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
