// The screenshot command: the picture folder under the documents folder, made at start one
// level at a time and silently not when it cannot be; and "Screenshot" opening the save
// dialog there, then saving the view (scene and name, not the panel nor the texts) at the best
// JPEG quality under the chosen name, or nothing when the dialog is cancelled.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "MainWindowFixture.h"
#include "app/PictureFolder.h"
#include "support/ScriptedSaving.h"
#include "ui/files/DocumentsFolder.h"

namespace app {
namespace {

namespace fs = std::filesystem;

// A fresh folder for the test's documents, removed afterwards.
struct TScratch {
  fs::path Root =
      fs::temp_directory_path() /
      ("orvane-pictures-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
       "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  TScratch() {
    fs::remove_all(Root);
    fs::create_directories(Root);
  }
  ~TScratch() {
    std::error_code ignored;
    fs::remove_all(Root, ignored);
  }
};

// A documents folder at a path the test chooses.
struct TDocumentsAt : ui::IDocumentsFolder {
  std::string At;
  std::string Path() override { return At; }
};

TEST(PictureFolder, IsMadeOneLevelAtATimeUnderTheDocumentsFolder) {
  TScratch scratch;
  const std::string docs = (scratch.Root / "Documents").string();
  fs::create_directory(docs);
  // A file in the way of "Quorvex" in a second documents folder.
  const std::string blocked = (scratch.Root / "Blocked").string();
  fs::create_directory(blocked);
  std::ofstream(blocked + "/Quorvex") << "not a folder";
  const struct {
    std::string Documents;
    std::string Folder;
    bool Obtained, Made;
  } cases[] = {
      {docs, docs + "/Quorvex/Planets/", true, true},
      {docs + "/", docs + "/Quorvex/Planets/", true, true},  // made already: kept
      {(scratch.Root / "Missing").string(), (scratch.Root / "Missing/Quorvex/Planets/").string(),
       true, false},
      {blocked, blocked + "/Quorvex/Planets/", true, false},
      {"", "", false, false},
  };
  TDocumentsAt documents;
  scene::TServiceInstallation<ui::IDocumentsFolder> installation(documents);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Documents);
    documents.At = c.Documents;
    EXPECT_EQ(EnsurePictureFolder(), c.Obtained);
    EXPECT_EQ(PictureFolder, c.Folder);
    EXPECT_EQ(fs::is_directory(PictureFolder), c.Made);
  }
  EXPECT_FALSE(fs::exists(scratch.Root / "Missing"));
}

struct Screenshot : testing::TMainWindowFixture {
  ui::testing::TScriptedSaveDialog Dialog;
  scene::TServiceInstallation<ui::ISaveDialogPresenter> Dialogs{Dialog};
  ui::testing::TRecordingImageWriter Writer;
  scene::TServiceInstallation<ui::IImageFileWriter> Files{Writer};
};

TEST_F(Screenshot, OpensInThePictureFolderAndCancelWritesNothing) {
  PictureFolder = "/home/me/Documents/Quorvex/Planets/";
  form->MenuItem7Click(*form->MenuItem7);
  ASSERT_EQ(Dialog.Requests.size(), 1u);
  const ui::TSaveDialogRequest& request = Dialog.Requests[0];
  EXPECT_EQ(request.InitialDir, "/home/me/Documents/Quorvex/Planets");
  EXPECT_EQ(request.DefaultExt, "jpg");
  EXPECT_EQ(request.FileTypes, (std::vector<ui::TFileType>{{"jpg", "*.jpg"}, {"bmp", "*.bmp"}}));
  EXPECT_EQ(request.Owner, form);
  EXPECT_TRUE(Writer.Writes.empty());
  EXPECT_TRUE(Host.PaintedOnto.empty()) << "nothing rendered";
}

TEST_F(Screenshot, SavesTheViewWithItsNameAtTheBestQualityUnderTheChosenName) {
  form->MenuItem3Click(*form->MenuItem3);  // the information texts shown: not in the picture
  Dialog.Answer = ui::TSaveDialogAnswer{"/pictures/Quorvex/Planets/orvane.jpg", 1};
  form->MenuItem7Click(*form->MenuItem7);
  ASSERT_EQ(Writer.Writes.size(), 1u);
  EXPECT_EQ(Writer.Writes[0].Path, "/pictures/Quorvex/Planets/orvane.jpg");
  EXPECT_EQ(Writer.Writes[0].Container, ui::TImageContainer::Jpeg);
  EXPECT_EQ(Writer.Writes[0].Quality, 1.0f);
  EXPECT_EQ(SaveParams.Quality, 100);
  EXPECT_EQ(Writer.Writes[0].Width, 1332);
  EXPECT_EQ(Writer.Writes[0].Height, 829);
  EXPECT_TRUE(Writer.Writes[0].Opaque) << "laid over the window's black, as on the screen";
  // Only the name was painted over the scene.
  ASSERT_EQ(Host.PaintedOnto.size(), 1u);
  EXPECT_EQ(Host.PaintedOnto[0].Calls,
            (std::vector<std::string>{"save", "clip 0,0,1332,40",
                                      "text 'Orvane' at 633,26.6 FFBABABA 1", "restore"}));

  // Names off, a window scale of 1.5 and a BMP: 1998 x 1244 pixels, nothing painted over.
  form->MenuItem2Click(*form->MenuItem2);
  Host.WindowScale = 1.5f;
  Dialog.Answer = ui::TSaveDialogAnswer{"/pictures/shot.BMP", 2};
  form->MenuItem7Click(*form->MenuItem7);
  ASSERT_EQ(Writer.Writes.size(), 2u);
  EXPECT_EQ(Writer.Writes[1].Container, ui::TImageContainer::Bmp);
  EXPECT_EQ(Writer.Writes[1].Width, 1998);
  EXPECT_EQ(Writer.Writes[1].Height, 1244);
  EXPECT_TRUE(Writer.Writes[1].Opaque);
  EXPECT_TRUE(Host.PaintedOnto.back().Calls.empty());
  EXPECT_EQ(form->SaveDialog1->FilterIndex(), 2);
}

TEST_F(Screenshot, ANameOutsideTheCodecTableReachesTheLoopAsTheSavingError) {
  Dialog.Answer = ui::TSaveDialogAnswer{"/pictures/orvane.webp", 1};
  EXPECT_THROW(form->MenuItem7Click(*form->MenuItem7), ui::EBitmapSavingFailed);
  EXPECT_TRUE(Writer.Writes.empty());
}

}  // namespace
}  // namespace app
