// Saving a bitmap: the codec table decides the container by the name's extension alone,
// ignoring case; a name outside the table fails with "Saving bitmap failed." before anything
// is written; the quality asked for reaches the writer as a fraction.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/ScriptedSaving.h"
#include "ui/files/BitmapCodecs.h"
#include "ui/files/ImageFileWriter.h"
#include "ui/paint/Bitmap.h"

namespace ui {
namespace {

struct SaveToFile : ::testing::Test {
  testing::TRecordingImageWriter writer;
  scene::TServiceInstallation<IImageFileWriter> installation{writer};
  TBitmap bitmap{scene::TTextureImage(4, 3)};
};

TEST(BitmapCodecs, TheTableInItsOrder) {
  std::vector<std::string> rows;
  for (const TBitmapCodec& c : BitmapCodecs())
    rows.push_back(std::string(c.Extension) + " " + std::string(c.Description));
  EXPECT_EQ(rows,
            (std::vector<std::string>{".bmp Bitmaps", ".jpg JPEG Images", ".jpeg JPEG Images",
                                      ".png PNG Images", ".gif GIF Images", ".tif TIFF Images",
                                      ".tiff TIFF Images", ".ico Icons", ".hdp WMP Images"}));
}

TEST(BitmapCodecs, ContainerFollowsTheExtensionIgnoringCase) {
  using C = TImageContainer;
  const struct {
    const char* Path;
    std::optional<C> Container;
  } cases[] = {
      {"a.bmp", C::Bmp},     {"a.BMP", C::Bmp},           {"a.jpg", C::Jpeg},
      {"/x/a.JPG", C::Jpeg}, {"a.jpeg", C::Jpeg},         {"a.JpEg", C::Jpeg},
      {"a.png", C::Png},     {"a.gif", C::Gif},           {"a.tif", C::Tiff},
      {"a.TIFF", C::Tiff},   {"a.ico", C::Png},           {"a.hdp", C::Png},
      {"a.b.c.png", C::Png}, {"a.png.txt", std::nullopt}, {"a.wmp", std::nullopt},
      {"a", std::nullopt},   {"a.", std::nullopt},        {"/x.png/a", std::nullopt},
      {".png", C::Png},      {"", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ContainerForFile(c.Path), c.Container) << c.Path;
  EXPECT_EQ(FileExtension("/home/me.d/shot.Jpg"), ".Jpg");
  EXPECT_EQ(FileExtension("/home/me.d/shot"), "");
}

TEST_F(SaveToFile, WritesThroughTheWriterWithTheQualityAsAFraction) {
  TBitmapCodecSaveParams params;
  params.Quality = 100;
  bitmap.SaveToFile("/p/shot.JPG", &params);
  params.Quality = 35;
  bitmap.SaveToFile("/p/shot.ico", &params);
  bitmap.SaveToFile("/p/shot.bmp");
  ASSERT_EQ(writer.Writes.size(), 3u);
  EXPECT_EQ(writer.Writes[0].Container, TImageContainer::Jpeg);
  EXPECT_EQ(writer.Writes[0].Quality, 1.0f);
  EXPECT_EQ(writer.Writes[0].Path, "/p/shot.JPG");
  EXPECT_EQ(writer.Writes[0].Width, 4);
  EXPECT_EQ(writer.Writes[0].Height, 3);
  EXPECT_EQ(writer.Writes[1].Container, TImageContainer::Png);
  EXPECT_FLOAT_EQ(*writer.Writes[1].Quality, 0.35f);
  EXPECT_EQ(writer.Writes[2].Quality, std::nullopt) << "no parameters, the encoder's default";
}

TEST_F(SaveToFile, ANameOutsideTheTableFailsBeforeWriting) {
  for (const char* path : {"/p/shot", "/p/shot.wmp", "/p/shot.jpg.", "/p/shot.txt"}) {
    try {
      bitmap.SaveToFile(path);
      ADD_FAILURE() << path << " was saved";
    } catch (const EBitmapSavingFailed& e) {
      EXPECT_STREQ(e.what(), "Saving bitmap failed.");
    }
  }
  EXPECT_TRUE(writer.Writes.empty());
}

TEST(SaveToFileWithoutWriter, Fails) {
  EXPECT_THROW(TBitmap(scene::TTextureImage(1, 1)).SaveToFile("a.png"), EBitmapSavingFailed);
}

}  // namespace
}  // namespace ui
