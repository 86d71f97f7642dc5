#include "ui/qt/QtTextureUploader.h"

#include <QCoreApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QThread>
#include <algorithm>
#include <numeric>

#include "gl/GLContext3D.h"

namespace ui::qt {

TQtTextureUploader::TWorker::~TWorker() {
  if (Thread) Thread->wait();
}

TQtTextureUploader::TQtTextureUploader(int threads) : FThreads(std::max(1, threads)) {}

TQtTextureUploader::~TQtTextureUploader() {
  Wait();
}

bool TQtTextureUploader::Start(std::vector<std::shared_ptr<const scene::TTextureBands>> sources) {
  if (!FWorkers.empty()) return false;
  // Without a share group the windows could not draw with textures made here.
  QOpenGLContext* shared = QOpenGLContext::globalShareContext();
  if (!shared) return false;
  FSources = std::move(sources);
  // The largest pictures first, each to the thread with the fewest bytes so far.
  const auto bytes = [this](std::size_t i) {
    return FSources[i] ? static_cast<double>(FSources[i]->Width()) * FSources[i]->Height() : 0.0;
  };
  std::vector<std::size_t> order(FSources.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return bytes(a) > bytes(b); });
  const int threads = std::min<int>(FThreads, static_cast<int>(FSources.size()));
  std::vector<double> load(static_cast<std::size_t>(threads), 0.0);
  for (int t = 0; t < threads; ++t)
    FWorkers.push_back(std::make_unique<TWorker>());
  for (std::size_t i : order) {
    const auto t =
        static_cast<std::size_t>(std::min_element(load.begin(), load.end()) - load.begin());
    FWorkers[t]->Indexes.push_back(i);
    load[t] += bytes(i);
  }
  for (const auto& worker : FWorkers) {
    worker->Context = std::make_unique<QOpenGLContext>();
    worker->Context->setShareContext(shared);
    worker->Context->setFormat(shared->format());
    worker->Surface = std::make_unique<QOffscreenSurface>();
    worker->Surface->setFormat(shared->format());
    worker->Surface->create();
    if (!worker->Context->create() || !worker->Context->shareContext() ||
        !worker->Surface->isValid()) {
      Release();
      return false;
    }
  }
  QThread* gui = QCoreApplication::instance()->thread();
  for (const auto& worker : FWorkers) {
    TWorker* w = worker.get();
    w->Thread.reset(QThread::create([this, w, gui] {
      if (w->Context->makeCurrent(w->Surface.get())) {
        std::vector<std::shared_ptr<const scene::TTextureBands>> mine;
        for (std::size_t i : w->Indexes)
          mine.push_back(FSources[i]);
        w->Names = scene::gl::MakeTexturesFromBands(mine);
        w->Context->doneCurrent();
      }
      // Back to the GUI thread, which frees it.
      w->Context->moveToThread(gui);
    }));
    w->Context->moveToThread(w->Thread.get());
    w->Thread->start();
  }
  return true;
}

bool TQtTextureUploader::Done() const {
  return std::all_of(FWorkers.begin(), FWorkers.end(),
                     [](const auto& worker) { return worker->Thread->isFinished(); });
}

std::vector<std::unique_ptr<scene::TDeviceHandle>> TQtTextureUploader::Finish() {
  std::vector<std::unique_ptr<scene::TDeviceHandle>> handles;
  if (FWorkers.empty()) return handles;
  handles.resize(FSources.size());
  for (const auto& worker : FWorkers) {
    worker->Thread->wait();
    for (std::size_t k = 0; k < worker->Indexes.size() && k < worker->Names.size(); ++k) {
      const std::size_t i = worker->Indexes[k];
      if (worker->Names[k] && FSources[i])
        handles[i] =
            scene::gl::AdoptTexture(worker->Names[k], FSources[i]->Width(), FSources[i]->Height());
    }
  }
  Release();
  return handles;
}

void TQtTextureUploader::Wait() {
  Release();
}

void TQtTextureUploader::Release() {
  FWorkers.clear();  // each waits for its thread first
  FSources.clear();
}

}  // namespace ui::qt
