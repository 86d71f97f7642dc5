// Which clip a recording's file name asks for, the names of a sequence's pictures, the GIF's
// frame delays, and the pending file that stands in for the clip until it is complete.
#include "record/ClipFormat.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "record/GifClipWriter.h"
#include "record/PendingFile.h"
#include "ui/files/BitmapCodecs.h"

namespace record {
namespace {

TEST(ClipFormat, TheNameChoosesTheClip) {
  using F = TClipFormat;
  const struct {
    const char* path;
    std::optional<F> format;
  } rows[] = {
      {"clip.mp4", F::Mp4},
      {"/tmp/a.b/Clip.MP4", F::Mp4},
      {"clip.webm", F::WebM},
      {"clip.gif", F::Gif},
      {"frames-%04d.png", F::FrameSequence},
      {"f-%d.jpg", F::FrameSequence},
      {"100%%-%3d.bmp", F::FrameSequence},
      {"/data/50%/f-%03d.png", F::FrameSequence},  // a '%' in a folder is part of its name
      {"clip.avi", std::nullopt},
      {"clip", std::nullopt},
      {"mp4", std::nullopt},
      {"f-%04d.txt", std::nullopt},
      {"f-%d-%d.png", std::nullopt},
      {"f-%s.png", std::nullopt},
      {"f-%123d.png", std::nullopt},
      {"f-%-4d.png", std::nullopt},
      {"f-%.png", std::nullopt},
      {"f-%04d.mp4", std::nullopt},  // a video of numbered name is no sequence of pictures
  };
  for (const auto& row : rows)
    EXPECT_EQ(ClipFormatForFile(row.path), row.format) << row.path;
  EXPECT_TRUE(NeedsEvenSize(F::Mp4));
  EXPECT_FALSE(NeedsEvenSize(F::Gif));
}

TEST(ClipFormat, ASequenceNumbersItsPicturesAsItsFieldAsks) {
  const struct {
    const char* pattern;
    long number;
    const char* name;
  } rows[] = {
      {"f-%03d.png", 7, "f-007.png"},       {"f-%03d.png", 1234, "f-1234.png"},
      {"f-%d.png", 0, "f-0.png"},           {"%4d.bmp", 42, "  42.bmp"},
      {"100%%-%02d.png", 5, "100%-05.png"}, {"/data/50%/f-%d.png", 3, "/data/50%/f-3.png"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(FrameFileName(row.pattern, row.number), row.name) << row.pattern;
}

// A GIF counts time in hundredths: each frame's delay is rounded so that the clip's delays add
// up to its length, whatever the frame rate.
TEST(ClipFormat, GifDelaysAddUpToTheClipsLength) {
  for (int fps : {1, 7, 10, 24, 25, 30, 60, 120}) {
    long sum = 0;
    int shortest = 1000, longest = 0;
    for (long i = 0; i < 3L * fps; ++i) {
      const int delay = TGifClipWriter::FrameDelay(i, fps);
      sum += delay;
      shortest = std::min(shortest, delay);
      longest = std::max(longest, delay);
    }
    EXPECT_EQ(sum, 300) << fps << " frames a second for 3 s";
    EXPECT_LE(longest - shortest, 1) << fps;
  }
}

QByteArray ContentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PendingFile, ReplacesTheTargetOnlyOnCommitAndLeavesNothingOtherwise) {
  QTemporaryDir folder;
  const std::string target = folder.filePath("clip.mp4").toStdString();
  QFile old(QString::fromStdString(target));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("the clip made before");
  old.close();
  const auto files = [&] { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); };
  {
    TPendingFile pending(target);
    EXPECT_EQ(files().size(), 2) << "written beside the target";
    EXPECT_TRUE(QString::fromStdString(pending.Path()).section('/', -1).startsWith(".clip.mp4."));
    QFile(QString::fromStdString(pending.Path())).open(QIODevice::WriteOnly);
  }
  EXPECT_EQ(files(), QStringList{"clip.mp4"});
  EXPECT_EQ(ContentOf(QString::fromStdString(target)), "the clip made before");
  {
    TPendingFile pending(target);
    QFile file(QString::fromStdString(pending.Path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("the new clip");
    file.close();
    pending.Commit();
  }
  EXPECT_EQ(files(), QStringList{"clip.mp4"});
  EXPECT_EQ(ContentOf(QString::fromStdString(target)), "the new clip");
  // Readable by others as any new file is, not only by its owner as a temporary file is.
  struct stat status {};
  ASSERT_EQ(stat(target.c_str(), &status), 0);
  EXPECT_EQ(
      status.st_mode & 0777, 0666 & ~[] {
        const mode_t mask = umask(0);
        umask(mask);
        return mask;
      }());

  try {
    TPendingFile pending(folder.filePath("gone/clip.mp4").toStdString());
    ADD_FAILURE() << "a missing folder takes no file";
  } catch (const ui::EFileSystemError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create \"" +
                                         folder.filePath("gone/clip.mp4").toStdString() +
                                         "\": No such file or directory");
  }
}

TEST(PendingFile, AFolderOfPicturesMovesInWholeOrNotAtAll) {
  QTemporaryDir folder;
  const auto entries = [&] {
    return QDir(folder.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  };
  const auto write = [](const std::string& path, const char* text) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  };
  const std::string pattern = folder.filePath("f-%d.png").toStdString();
  write(FrameFileName(pattern, 0), "an older picture");
  {
    TPendingFolder pending(pattern);
    write(pending.PathFor(FrameFileName(pattern, 0)), "new 0");
    write(pending.PathFor(FrameFileName(pattern, 1)), "new 1");
    EXPECT_EQ(entries().size(), 2);
  }
  EXPECT_EQ(entries(), QStringList{"f-0.png"});
  EXPECT_EQ(ContentOf(folder.filePath("f-0.png")), "an older picture");
  {
    TPendingFolder pending(pattern);
    write(pending.PathFor(FrameFileName(pattern, 0)), "new 0");
    write(pending.PathFor(FrameFileName(pattern, 1)), "new 1");
    pending.Commit();
  }
  EXPECT_EQ(entries(), QStringList({"f-0.png", "f-1.png"}));
  EXPECT_EQ(ContentOf(folder.filePath("f-0.png")), "new 0");
  EXPECT_EQ(ContentOf(folder.filePath("f-1.png")), "new 1");
}

}  // namespace
}  // namespace record
