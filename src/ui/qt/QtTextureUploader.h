// Makes the scene's textures on threads of their own, each with an OpenGL context that shares
// objects with the windows' contexts (through Qt's global share context), while the main
// thread builds and shows the window. Both the unpacking and the device's allocation of the
// textures (the larger cost on a software rasterizer) then run beside the window's start
// instead of inside its first paint.
#pragma once

#include <memory>
#include <vector>

#include "scene/render/TextureUploader.h"

class QOffscreenSurface;
class QOpenGLContext;
class QThread;

namespace ui::qt {

class TQtTextureUploader : public scene::ITextureUploader {
 public:
  // On the GUI thread, once the application exists; `threads` at least 1.
  explicit TQtTextureUploader(int threads = 2);
  ~TQtTextureUploader() override;

  bool Start(std::vector<std::shared_ptr<const scene::TTextureBands>> sources) override;
  bool Done() const override;
  std::vector<std::unique_ptr<scene::TDeviceHandle>> Finish() override;
  void Wait() override;

 private:
  // One thread with its context and the sources it makes (indexes into FSources).
  struct TWorker {
    std::vector<std::size_t> Indexes;
    std::vector<unsigned> Names;  // written by the thread, read after it has ended
    std::unique_ptr<QOffscreenSurface> Surface;
    std::unique_ptr<QOpenGLContext> Context;
    std::unique_ptr<QThread> Thread;
    ~TWorker();
  };

  void Release();

  int FThreads;
  std::vector<std::shared_ptr<const scene::TTextureBands>> FSources;
  std::vector<std::unique_ptr<TWorker>> FWorkers;
};

}  // namespace ui::qt
