// A drawing context whose device only writes down what it is asked to do, one line per
// operation ("begin", "clear 3 00000000 1", "state csZTestOn", "draw gouraud2.fvs gouraud.fps",
// "end"), and keeps the inputs of every draw.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "scene/render/Context3D.h"
#include "scene/render/DeviceHandle.h"
#include "scene/render/MeshData.h"

namespace scene::testing {

inline const char* StateName(TContextState s) {
  static const char* names[] = {"cs2DScene",   "cs3DScene",    "csZTestOn",      "csZTestOff",
                                "csZWriteOn",  "csZWriteOff",  "csAlphaBlendOn", "csAlphaBlendOff",
                                "csStencilOn", "csStencilOff", "csColorWriteOn", "csColorWriteOff",
                                "csScissorOn", "csScissorOff", "csFrontFace",    "csBackFace",
                                "csAllFace"};
  return names[static_cast<int>(s)];
}

class TRecordingContext : public TContext3D {
 public:
  struct TUploaded : TDeviceHandle {
    int Width, Height;
    TUploaded(int w, int h) : Width(w), Height(h) {}
    bool IsValid() const override { return true; }
  };

  TRecordingContext(int width = 640, int height = 480, TMultisample m = TMultisample::FourSamples)
      : TContext3D(width, height, m) {}

  std::vector<std::string> Log;
  std::vector<TShaderInputs> Draws;
  std::vector<const TMeshData*> DrawnMeshes;
  bool RefuseBegin = false;
  bool KeepsBackdrops = true;  // whether the device can keep a backdrop's image
  int Uploads = 0;

  int Samples() const override { return SampleCount(Multisample()); }
  void Present(const TPresentTarget& t) override {
    Presented.push_back(t);
    Log.push_back("present");
  }
  std::vector<TPresentTarget> Presented;

 protected:
  bool DeviceBeginScene() override {
    Log.push_back("begin");
    return !RefuseBegin;
  }
  void DeviceEndScene() override { Log.push_back("end"); }
  void DeviceClear(unsigned targets, TAlphaColor color, float depth,
                   std::uint32_t stencil) override {
    char text[64];
    std::snprintf(text, sizeof text, "clear %u %08X %g %u", targets, color,
                  static_cast<double>(depth), stencil);
    Log.push_back(text);
  }
  void DeviceSetContextState(TContextState state) override {
    Log.push_back(std::string("state ") + StateName(state));
  }
  void DeviceDrawTriangles(const TMeshData& mesh, const TShaderInputs& inputs) override {
    Log.push_back("draw " + std::string(inputs.VertexProgram) + " " +
                  std::string(inputs.PixelProgram));
    Draws.push_back(inputs);
    DrawnMeshes.push_back(&mesh);
  }
  void DeviceCopyToBitmap(TTextureImage& bitmap, const TPixelRect& rect) override {
    bitmap = TTextureImage(rect.Width, rect.Height);
    Log.push_back("copy");
  }
  void DeviceSetMultisample(TMultisample) override { Log.push_back("multisample"); }
  bool DeviceKeepsBackdrops() const override { return KeepsBackdrops; }
  bool DeviceKeepBackdrop() override {
    if (KeepsBackdrops) Log.push_back("keep backdrop");
    return KeepsBackdrops;
  }
  void DeviceDrawBackdrop() override { Log.push_back("lay backdrop"); }
  std::unique_ptr<TDeviceHandle> DeviceUploadTexture(const TTextureImage* image,
                                                     std::unique_ptr<TDeviceHandle>) override {
    if (!image) return nullptr;
    ++Uploads;
    return std::make_unique<TUploaded>(image->Width, image->Height);
  }
};

}  // namespace scene::testing
