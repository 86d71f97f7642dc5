#include "gl/GLContext3D.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "gl/GLDevice.h"
#include "scene/render/MeshData.h"

namespace scene::gl {

namespace {

// A framebuffer whose colour is a new single-sample RGBA8 texture of width x height.
void MakePlainTarget(int width, int height, GLuint& framebuffer, GLuint& texture) {
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glBindTexture(GL_TEXTURE_2D, 0);
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
}

// Resolves the samples of each pixel of `from` into `to`, both width x height; leaves them
// bound for reading and drawing.
void Resolve(GLuint from, GLuint to, int width, int height) {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
  glDisable(GL_SCISSOR_TEST);
  glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
}

class TGLContext3D : public TContext3D {
 public:
  TGLContext3D(int width, int height, int samples)
      : TContext3D(width, height,
                   samples >= 4   ? TMultisample::FourSamples
                   : samples >= 2 ? TMultisample::TwoSamples
                                  : TMultisample::None),
        FDevice(TGLDevice::Current()) {
    CreateBuffers();
  }

  ~TGLContext3D() override { FreeBuffers(); }

  int Samples() const override { return FSamples; }

  void Present(const TPresentTarget& target) override;

 protected:
  bool DeviceBeginScene() override;
  void DeviceEndScene() override;
  void DeviceClear(unsigned targets, TAlphaColor color, float depth,
                   std::uint32_t stencil) override;
  void DeviceSetContextState(TContextState state) override;
  void DeviceDrawTriangles(const TMeshData& mesh, const TShaderInputs& inputs) override;
  void DeviceCopyToBitmap(TTextureImage& bitmap, const TPixelRect& rect) override;
  void DeviceSetMultisample(TMultisample /*m*/) override {
    FreeBuffers();
    CreateBuffers();
  }
  std::unique_ptr<TDeviceHandle> DeviceUploadTexture(const TTextureImage* image,
                                                     std::unique_ptr<TDeviceHandle> old) override {
    if (!image) return nullptr;
    return FDevice->UploadTexture(*image, std::move(old));
  }
  std::unique_ptr<TDeviceHandle> DeviceUploadTextureBands(
      const TTextureBands& bands, std::unique_ptr<TDeviceHandle> old) override {
    return FDevice->UploadTextureBands(bands, std::move(old));
  }
  bool DeviceKeepsBackdrops() const override { return true; }
  bool DeviceKeepBackdrop() override;
  void DeviceDrawBackdrop() override;

 private:
  void CreateBuffers();
  void FreeBuffers();
  void SetClipRange(bool zeroToOne) const;

  std::shared_ptr<TGLDevice> FDevice;
  int FSamples = 1;
  // The render target's size: the context's, or less where the device cannot make one that
  // large (see FitRenderTarget); the picture is enlarged to the context's size when presented
  // and copied.
  TPixelSize FBuffer;
  GLuint FFramebuffer = 0;
  GLuint FColor = 0;  // a multisampled texture, or a plain one with one sample
  GLuint FDepth = 0;  // renderbuffer
  bool FBlend = false;
  // The kept backdrop: the samples of each pixel resolved into a plain texture of the target's
  // size (made at the first keep).
  GLuint FBackdropFramebuffer = 0;
  GLuint FBackdrop = 0;
};

void TGLContext3D::CreateBuffers() {
  FSamples = FDevice->SupportedSamples(SampleCount(Multisample()));
  FBuffer = FitRenderTarget(Width(), Height(), FDevice->MaxRenderTargetSize());
  const int w = FBuffer.Width, h = FBuffer.Height;
  if (w != Width() || h != Height())
    std::fprintf(stderr,
                 "The 3D view of %d x %d pixels is larger than the graphics device can draw "
                 "(%d pixels a side): it is drawn at %d x %d and enlarged.\n",
                 Width(), Height(), FDevice->MaxRenderTargetSize(), w, h);
  glGenFramebuffers(1, &FFramebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
  glGenTextures(1, &FColor);
  glGenRenderbuffers(1, &FDepth);
  glBindRenderbuffer(GL_RENDERBUFFER, FDepth);
  if (FSamples > 1) {
    glBindTexture(GL_TEXTURE_2D_MULTISAMPLE, FColor);
    glTexImage2DMultisample(GL_TEXTURE_2D_MULTISAMPLE, FSamples, GL_RGBA8, w, h, GL_TRUE);
    glBindTexture(GL_TEXTURE_2D_MULTISAMPLE, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D_MULTISAMPLE, FColor,
                           0);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, FSamples, GL_DEPTH_COMPONENT24, w, h);
  } else {
    glBindTexture(GL_TEXTURE_2D, FColor);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, FColor, 0);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, w, h);
  }
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, FDepth);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void TGLContext3D::FreeBuffers() {
  glDeleteFramebuffers(1, &FFramebuffer);
  glDeleteTextures(1, &FColor);
  glDeleteRenderbuffers(1, &FDepth);
  glDeleteFramebuffers(1, &FBackdropFramebuffer);
  glDeleteTextures(1, &FBackdrop);
  FFramebuffer = FColor = FDepth = FBackdropFramebuffer = FBackdrop = 0;
}

bool TGLContext3D::DeviceKeepBackdrop() {
  const int w = FBuffer.Width, h = FBuffer.Height;
  if (!FBackdrop) MakePlainTarget(w, h, FBackdropFramebuffer, FBackdrop);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  Resolve(FFramebuffer, FBackdropFramebuffer, w, h);
  glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
  return true;
}

void TGLContext3D::DeviceDrawBackdrop() {
  TGLProgram* program = FDevice->Program("backdrop.fvs", "backdrop.fps");
  if (!program || !FBackdrop) return;
  glDepthFunc(GL_LEQUAL);
  glDepthMask(GL_FALSE);
  glDisable(GL_BLEND);
  glDisable(GL_CULL_FACE);
  glUseProgram(program->Name());
  glUniform1i(program->Location("Image"), 0);
  glBindTexture(GL_TEXTURE_2D, FBackdrop);
  glBindVertexArray(FDevice->EmptyVao());
  glDrawArrays(GL_TRIANGLES, 0, 3);
  glDepthMask(GL_TRUE);
  if (FBlend) glEnable(GL_BLEND);
}

void TGLContext3D::SetClipRange(bool zeroToOne) const {
  if (FDevice->HasClipControl())
    glClipControl(GL_LOWER_LEFT, zeroToOne ? GL_ZERO_TO_ONE : GL_NEGATIVE_ONE_TO_ONE);
}

bool TGLContext3D::DeviceBeginScene() {
  if (Width() <= 0 || Height() <= 0) return false;
  FDevice->FreeDeferred();
  glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return false;
  }
  glViewport(0, 0, FBuffer.Width, FBuffer.Height);
  // The fixed state of every frame (the window's own painting may have changed any of it).
  SetClipRange(true);
  glDepthRange(0.0, 1.0);
  glDisable(GL_DEPTH_CLAMP);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glDepthMask(GL_TRUE);
  glFrontFace(GL_CW);
  glCullFace(GL_BACK);
  glDisable(GL_CULL_FACE);
  glBlendEquationSeparate(GL_FUNC_ADD, GL_FUNC_ADD);
  glBlendFuncSeparate(GL_ONE, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_BLEND);
  FBlend = false;
  glDisable(GL_SCISSOR_TEST);
  glDisable(GL_STENCIL_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  if (FSamples > 1) glEnable(GL_MULTISAMPLE);
  glActiveTexture(GL_TEXTURE0);
  glBindSampler(0, FDevice->Sampler());
  return true;
}

void TGLContext3D::DeviceEndScene() {
  // The samples are resolved where the image goes: straight into the window when presented,
  // or into a read-back target for a bitmap. A separate resolve here would cost one more
  // full-screen pass per frame.
  glBindVertexArray(0);
  glUseProgram(0);
  glBindSampler(0, 0);
  SetClipRange(false);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void TGLContext3D::DeviceClear(unsigned targets, TAlphaColor color, float depth,
                               std::uint32_t stencil) {
  GLbitfield mask = 0;
  if (targets & ctColor) {
    // The image holds premultiplied colours, so the clear colour is premultiplied too: a
    // translucent colour would otherwise lay more colour over the window than its alpha
    // allows. Transparent and opaque colours are unchanged by this.
    const TColorFloats c = ColorToFloats(color);
    glClearColor(c.R * c.A, c.G * c.A, c.B * c.A, c.A);
    mask |= GL_COLOR_BUFFER_BIT;
  }
  if (targets & ctDepth) {
    glClearDepth(depth);
    mask |= GL_DEPTH_BUFFER_BIT;
  }
  if (targets & ctStencil) {
    glClearStencil(static_cast<GLint>(stencil));
    mask |= GL_STENCIL_BUFFER_BIT;
  }
  // Clearing honours the write masks: open them for the clear and put them back.
  GLboolean depthMask = GL_TRUE, colorMask[4] = {GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE};
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
  glGetBooleanv(GL_COLOR_WRITEMASK, colorMask);
  glDepthMask(GL_TRUE);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glClear(mask);
  glDepthMask(depthMask);
  glColorMask(colorMask[0], colorMask[1], colorMask[2], colorMask[3]);
}

void TGLContext3D::DeviceSetContextState(TContextState state) {
  switch (state) {
    case TContextState::cs2DScene:
    case TContextState::cs3DScene:
      break;  // the context picks the matrices
    // The depth test stays enabled so that writing alone still works: "off" lets every
    // fragment pass.
    case TContextState::csZTestOn:
      glDepthFunc(GL_LEQUAL);
      break;
    case TContextState::csZTestOff:
      glDepthFunc(GL_ALWAYS);
      break;
    case TContextState::csZWriteOn:
      glDepthMask(GL_TRUE);
      break;
    case TContextState::csZWriteOff:
      glDepthMask(GL_FALSE);
      break;
    case TContextState::csAlphaBlendOn:
      glEnable(GL_BLEND);
      FBlend = true;
      break;
    case TContextState::csAlphaBlendOff:
      glDisable(GL_BLEND);
      FBlend = false;
      break;
    case TContextState::csStencilOn:
      glEnable(GL_STENCIL_TEST);
      break;
    case TContextState::csStencilOff:
      glDisable(GL_STENCIL_TEST);
      break;
    case TContextState::csColorWriteOn:
      glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
      break;
    case TContextState::csColorWriteOff:
      glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
      break;
    case TContextState::csScissorOn:
      glScissor(0, 0, FBuffer.Width, FBuffer.Height);
      glEnable(GL_SCISSOR_TEST);
      break;
    case TContextState::csScissorOff:
      glDisable(GL_SCISSOR_TEST);
      break;
    case TContextState::csFrontFace:
      glEnable(GL_CULL_FACE);
      glCullFace(GL_BACK);
      break;
    case TContextState::csBackFace:
      glEnable(GL_CULL_FACE);
      glCullFace(GL_FRONT);
      break;
    case TContextState::csAllFace:
      glDisable(GL_CULL_FACE);
      break;
  }
}

void TGLContext3D::DeviceDrawTriangles(const TMeshData& mesh, const TShaderInputs& inputs) {
  TGLProgram* program = FDevice->Program(inputs.VertexProgram, inputs.PixelProgram);
  if (!program) return;
  glUseProgram(program->Name());
  program->SetInputs(inputs);
  const auto* texture = dynamic_cast<const TGLTextureHandle*>(inputs.Texture0);
  glBindTexture(GL_TEXTURE_2D,
                texture && texture->IsValid() ? texture->Name() : FDevice->TransparentTexture());
  FDevice->BindMesh(mesh);
  const bool skipBlend = inputs.OpaqueOutput && FBlend;
  if (skipBlend) glDisable(GL_BLEND);
  glDrawElements(GL_TRIANGLES, mesh.IndexCount(), GL_UNSIGNED_INT, nullptr);
  if (skipBlend) glEnable(GL_BLEND);
}

void TGLContext3D::Present(const TPresentTarget& target) {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  const std::string pixel = "present" + std::to_string(FSamples) + ".fps";
  TGLProgram* program = FDevice->Program("present.fvs", pixel);
  if (!program) return;
  // GL counts rows from the bottom.
  const int x = target.Left, y = target.FramebufferHeight - target.Top - h;
  // An opaque image at the framebuffer's corner is resolved straight into it: a multisample
  // resolve must keep its rectangle, and a framebuffer whose format differs refuses it (the
  // shader pass then does the work).
  const bool fullSize = FBuffer.Width == w && FBuffer.Height == h;
  if (target.Replace && x == 0 && y == 0 && fullSize) {
    while (glGetError() != GL_NO_ERROR) {
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, FFramebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, target.Framebuffer);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glBlitFramebuffer(0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    const bool copied = glGetError() == GL_NO_ERROR;
    glBindFramebuffer(GL_FRAMEBUFFER, target.Framebuffer);
    if (copied) return;
  }
  glBindFramebuffer(GL_FRAMEBUFFER, target.Framebuffer);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glDisable(GL_SCISSOR_TEST);
  glDisable(GL_STENCIL_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glEnable(GL_BLEND);
  glBlendEquationSeparate(GL_FUNC_ADD, GL_FUNC_ADD);
  glBlendFuncSeparate(GL_ONE, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  glUseProgram(program->Name());
  glUniform2i(program->Location("Origin"), x, y);
  glUniform2f(program->Location("Scale"), static_cast<float>(FBuffer.Width) / static_cast<float>(w),
              static_cast<float>(FBuffer.Height) / static_cast<float>(h));
  glUniform1f(program->Location("Opacity"), target.Opacity);
  glUniform1i(program->Location("Image"), 0);
  glActiveTexture(GL_TEXTURE0);
  glBindSampler(0, 0);
  const GLenum kind = FSamples > 1 ? GL_TEXTURE_2D_MULTISAMPLE : GL_TEXTURE_2D;
  glBindTexture(kind, FColor);
  glBindVertexArray(FDevice->EmptyVao());
  // The pixels are found from their window position, so the rectangle may be covered in
  // pieces: a viewport larger than the device's is cut down to it, leaving the rest undrawn.
  const int tile =
      FDevice->MaxRenderTargetSize() > 0 ? FDevice->MaxRenderTargetSize() : std::max(w, h);
  for (int ty = 0; ty < h; ty += tile)
    for (int tx = 0; tx < w; tx += tile) {
      glViewport(x + tx, y + ty, std::min(tile, w - tx), std::min(tile, h - ty));
      glDrawArrays(GL_TRIANGLES, 0, 3);
    }
  // Leave the state as the window's painter expects it.
  glBindVertexArray(0);
  glBindTexture(kind, 0);
  glUseProgram(0);
  glDisable(GL_BLEND);
}

void TGLContext3D::DeviceCopyToBitmap(TTextureImage& bitmap, const TPixelRect& rect) {
  bitmap = TTextureImage(rect.Width, rect.Height);
  if (bitmap.IsEmpty()) return;
  const int w = FBuffer.Width, h = FBuffer.Height;
  // Resolve into a single-sample target, then read it back.
  GLuint resolved = 0, texture = 0;
  MakePlainTarget(w, h, resolved, texture);
  Resolve(FFramebuffer, resolved, w, h);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, resolved);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  if (w == Width() && h == Height()) {
    std::vector<std::uint8_t> rows(bitmap.Pixels.size());
    glReadPixels(rect.Left, h - rect.Top - rect.Height, rect.Width, rect.Height, GL_RGBA,
                 GL_UNSIGNED_BYTE, rows.data());
    // GL's first row is the bottom one.
    const size_t stride = static_cast<size_t>(rect.Width) * 4;
    for (int y = 0; y < rect.Height; ++y)
      std::memcpy(bitmap.Pixel(0, y), &rows[static_cast<size_t>(rect.Height - 1 - y) * stride],
                  stride);
  } else {
    // A smaller render target: each pixel of the rectangle takes the target's pixel it falls
    // in, as presenting enlarges it.
    std::vector<std::uint8_t> rows(static_cast<size_t>(w) * h * 4);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    const auto source = [](int i, int target, int size) {
      return std::min(size - 1, static_cast<int>((i + 0.5) * size / target));
    };
    for (int y = 0; y < rect.Height; ++y) {
      const int row = h - 1 - source(rect.Top + y, Height(), h);
      for (int x = 0; x < rect.Width; ++x)
        std::memcpy(bitmap.Pixel(x, y),
                    &rows[(static_cast<size_t>(row) * w + source(rect.Left + x, Width(), w)) * 4],
                    4);
    }
  }
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &resolved);
  glDeleteTextures(1, &texture);
}

}  // namespace

std::vector<unsigned> MakeTexturesFromBands(
    std::span<const std::shared_ptr<const TTextureBands>> sources) {
  std::vector<unsigned> names;
  for (const auto& source : sources)
    names.push_back(source ? MakeTextureFromBands(*source) : 0);
  // Another context may draw with them only once they are complete.
  glFinish();
  return names;
}

std::unique_ptr<TDeviceHandle> AdoptTexture(unsigned name, int width, int height) {
  return TGLDevice::Current()->AdoptTexture(name, width, height);
}

std::unique_ptr<TContext3D> CreateGLContext3D(int width, int height, int samples) {
  return std::make_unique<TGLContext3D>(width, height, samples);
}

void ReleaseGLDevice() {
  TGLDevice::Release();
}

}  // namespace scene::gl
