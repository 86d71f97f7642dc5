// A platform window for tests: counts invalidations, has a settable scale factor and makes
// recording drawing contexts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "support/RecordingContext.h"
#include "support/RecordingPainter.h"
#include "ui/window/ContextFactory.h"
#include "ui/window/WindowHost.h"

namespace ui::testing {

class TFakeHost : public IWindowHost, public IContextFactory {
 public:
  float WindowScale = 1;
  int Invalidations = 0;
  struct TMade {
    int Width, Height, Samples;
  };
  std::vector<TMade> Made;
  scene::testing::TRecordingContext* Last = nullptr;

  void Invalidate(const TWindowRect&) override { ++Invalidations; }
  float Scale() const override { return WindowScale; }
  void SetCaption(const std::string&) override {}
  // The client area's top-left corner on the screen.
  TPointF ClientOrigin{1000, 500};
  TPointF ClientToScreen(TPointF client) const override {
    return {client.X + ClientOrigin.X, client.Y + ClientOrigin.Y};
  }
  IContextFactory& ContextFactory() override { return *this; }
  // What screenshots painted over their pictures: the scale, the window point at the
  // picture's corner and the calls, one line each.
  struct TPaintedOnto {
    int Width, Height;
    float Scale;
    TPointF Origin;
    std::vector<std::string> Calls;
  };
  std::vector<TPaintedOnto> PaintedOnto;
  void PaintOnto(scene::TTextureImage& picture, float scale, TPointF origin,
                 const std::function<void(IPainter&)>& paint) override {
    TRecordingPainter painter;
    paint(painter);
    PaintedOnto.push_back({picture.Width, picture.Height, scale, origin, painter.Lines});
  }
  std::unique_ptr<scene::TContext3D> CreateContext(int w, int h, int samples) override {
    Made.push_back({w, h, samples});
    auto context = std::make_unique<scene::testing::TRecordingContext>(w, h);
    Last = context.get();
    return context;
  }
};

}  // namespace ui::testing
