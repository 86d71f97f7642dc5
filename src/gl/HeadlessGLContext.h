// An OpenGL 3.3 core context without a window and without a display: EGL on Mesa's
// surfaceless platform, or on the first device EGL lists where that platform is missing. The
// drawing contexts render into render targets of their own, so pictures of a scene can be made on a
// machine with no display server at all.
#pragma once

#include <memory>
#include <string>

namespace scene::gl {

class THeadlessGLContext {
 public:
  // A context made current on this thread, or null with `error` saying what was missing.
  static std::unique_ptr<THeadlessGLContext> Create(std::string& error);
  ~THeadlessGLContext();
  THeadlessGLContext(const THeadlessGLContext&) = delete;
  THeadlessGLContext& operator=(const THeadlessGLContext&) = delete;

  void MakeCurrent();
  // "llvmpipe (LLVM 15.0.6, 256 bits)" and the like.
  const std::string& Renderer() const { return FRenderer; }
  // The widest and highest render target the device makes, in pixels.
  int MaxRenderTargetSize() const { return FMaxRenderTargetSize; }

 private:
  THeadlessGLContext() = default;
  void* FDisplay = nullptr;  // EGLDisplay
  void* FContext = nullptr;  // EGLContext
  std::string FRenderer;
  int FMaxRenderTargetSize = 0;
};

}  // namespace scene::gl
