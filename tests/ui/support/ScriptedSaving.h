// Saving without a desktop: a save dialog presenter that answers what the test scripted, and
// an image file writer that records what it was asked to write.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs/SaveDialog.h"
#include "ui/files/ImageFileWriter.h"

namespace ui::testing {

class TScriptedSaveDialog : public ISaveDialogPresenter {
 public:
  std::vector<TSaveDialogRequest> Requests;
  std::optional<TSaveDialogAnswer> Answer;     // none: the user cancels
  std::vector<std::string>* Events = nullptr;  // receives "run" for each run when set
  std::optional<TSaveDialogAnswer> Run(const TSaveDialogRequest& request) override {
    Requests.push_back(request);
    if (Events) Events->push_back("run");
    return Answer;
  }
};

class TRecordingImageWriter : public IImageFileWriter {
 public:
  struct TWrite {
    TImageContainer Container;
    std::optional<float> Quality;
    std::string Path;
    int Width, Height;
    bool Opaque;  // every pixel's alpha is 255
  };
  std::vector<TWrite> Writes;
  void Write(const scene::TTextureImage& picture, TImageContainer container,
             std::optional<float> quality, const std::string& path) override {
    bool opaque = true;
    for (std::size_t i = 3; i < picture.Pixels.size(); i += 4)
      opaque = opaque && picture.Pixels[i] == 255;
    Writes.push_back({container, quality, path, picture.Width, picture.Height, opaque});
  }
};

}  // namespace ui::testing
