// A window host for benchmarks of the scene's logic: no display, drawing contexts that record
// instead of drawing (they are what picking needs).
#pragma once

#include <memory>
#include <string>

#include "support/RecordingContext.h"
#include "ui/window/ContextFactory.h"
#include "ui/window/WindowHost.h"

namespace bench {

class TBenchHost : public ui::IWindowHost, public ui::IContextFactory {
 public:
  void Invalidate(const ui::TWindowRect&) override {}
  float Scale() const override { return 1; }
  void SetCaption(const std::string&) override {}
  ui::TPointF ClientToScreen(ui::TPointF client) const override { return client; }
  ui::IContextFactory& ContextFactory() override { return *this; }
  std::unique_ptr<scene::TContext3D> CreateContext(int w, int h, int) override {
    return std::make_unique<scene::testing::TRecordingContext>(w, h);
  }
};

}  // namespace bench
