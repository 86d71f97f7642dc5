// The save dialog's settings as the platform's dialog receives them, and what a confirmed or
// a cancelled dialog leaves.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/ScriptedSaving.h"
#include "ui/dialogs/SaveDialog.h"
#include "ui/window/Form.h"

namespace ui {
namespace {

struct SaveDialog : ::testing::Test {
  testing::TScriptedSaveDialog presenter;
  scene::TServiceInstallation<ISaveDialogPresenter> installation{presenter};
  TFormBase form;
  TSaveDialog* dialog = new TSaveDialog;
  std::vector<std::string> events;
  SaveDialog() {
    form.AddChild(dialog);
    dialog->SetDefaultExt("jpg");
    dialog->SetFilter("jpg|*.jpg|bmp|*.bmp");
    presenter.Events = &events;
    dialog->OnShow = [this](scene::TSceneNode&) { events.push_back("show"); };
    dialog->OnClose = [this](scene::TSceneNode&) { events.push_back("close"); };
  }
};

TEST(SaveDialogFilter, SplitsIntoDescriptionAndPatternPairs) {
  using V = std::vector<TFileType>;
  EXPECT_EQ(ParseFilter("jpg|*.jpg|bmp|*.bmp"), (V{{"jpg", "*.jpg"}, {"bmp", "*.bmp"}}));
  EXPECT_EQ(ParseFilter("Pictures|*.png;*.jpg"), (V{{"Pictures", "*.png;*.jpg"}}));
  EXPECT_EQ(ParseFilter("jpg|*.jpg|lonely"), (V{{"jpg", "*.jpg"}}));
  EXPECT_EQ(ParseFilter(""), V{});
  EXPECT_EQ(ParseFilter("|"), (V{{"", ""}}));
}

TEST(SaveDialogFolder, LosesOneTrailingSeparatorButTheRootKeepsIt) {
  TSaveDialog dialog;
  const std::pair<const char*, const char*> cases[] = {
      {"/home/me/Documents/Quorvex/Planets/", "/home/me/Documents/Quorvex/Planets"},
      {"/home/me//", "/home/me/"},
      {"/home/me", "/home/me"},
      {"/", "/"},
      {"", ""},
  };
  for (const auto& [given, kept] : cases) {
    dialog.SetInitialDir(given);
    EXPECT_EQ(dialog.InitialDir(), kept) << given;
  }
}

TEST_F(SaveDialog, ConfirmedKeepsTheChosenNameAndTypeForTheNextRun) {
  dialog->SetInitialDir("/docs/Quorvex/Planets/");
  presenter.Answer = TSaveDialogAnswer{"/docs/Quorvex/Planets/moon.bmp", 2};
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(events, (std::vector<std::string>{"show", "run", "close"}));
  const TSaveDialogRequest& first = presenter.Requests.at(0);
  EXPECT_EQ(first.DefaultExt, "jpg");
  EXPECT_EQ(first.InitialDir, "/docs/Quorvex/Planets");
  EXPECT_EQ(first.FileName, "");
  EXPECT_EQ(first.Title, "");
  EXPECT_EQ(first.FilterIndex, 1);
  EXPECT_EQ(first.FileTypes, (std::vector<TFileType>{{"jpg", "*.jpg"}, {"bmp", "*.bmp"}}));
  EXPECT_EQ(first.Owner, &form);
  EXPECT_EQ(dialog->FileName(), "/docs/Quorvex/Planets/moon.bmp");
  EXPECT_EQ(dialog->FilterIndex(), 2);

  presenter.Answer.reset();
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(presenter.Requests.at(1).FileName, "/docs/Quorvex/Planets/moon.bmp");
  EXPECT_EQ(presenter.Requests.at(1).FilterIndex, 2);
  // Cancelled: both stay as the last confirmation left them.
  EXPECT_EQ(dialog->FileName(), "/docs/Quorvex/Planets/moon.bmp");
  EXPECT_EQ(dialog->FilterIndex(), 2);
}

TEST(SaveDialogWithoutPresenter, AnswersCancelled) {
  TSaveDialog dialog;
  EXPECT_FALSE(dialog.Execute());
}

}  // namespace
}  // namespace ui
