// The device objects shared by every drawing context on one GL context: the linked shader
// programs, the one sampler, a transparent 1 x 1 texture for draws without a texture, and
// the bookkeeping of textures and mesh buffers handed to scene objects. Internal to the GL
// device; callers use GLContext3D.h.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scene/render/DeviceHandle.h"
#include "scene/render/ShaderInputs.h"

namespace scene {
class TMeshData;
class TTextureBands;
class TTextureImage;
}  // namespace scene

namespace scene::gl {

class TGLDevice;

// The most pixels a side of a render target on the current GL context: the least of the
// largest texture, renderbuffer and viewport it takes (a target beyond it is never complete).
int QueryMaxRenderTargetSize();

// A new one-level RGBA8 texture filled band by band from `bands`, on the current GL context
// (any thread); its name.
GLuint MakeTextureFromBands(const TTextureBands& bands);

// A linked program and the locations of its inputs by name.
class TGLProgram {
 public:
  TGLProgram(GLuint program) : FProgram(program) {}
  GLuint Name() const { return FProgram; }
  GLint Location(std::string_view input);
  // Uploads every input the program has (the others are skipped).
  void SetInputs(const TShaderInputs& inputs);

 private:
  GLuint FProgram;
  std::map<std::string, GLint, std::less<>> FLocations;
};

class TGLTextureHandle : public TDeviceHandle {
 public:
  TGLTextureHandle(std::weak_ptr<TGLDevice> device, GLuint name, int width, int height)
      : FDevice(std::move(device)), FName(name), FWidth(width), FHeight(height) {}
  ~TGLTextureHandle() override;
  bool IsValid() const override { return FName != 0 && !FDevice.expired(); }
  GLuint Name() const { return FName; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

 private:
  std::weak_ptr<TGLDevice> FDevice;
  GLuint FName;
  int FWidth, FHeight;
};

class TGLMeshHandle : public TDeviceHandle {
 public:
  TGLMeshHandle(std::weak_ptr<TGLDevice> device) : FDevice(std::move(device)) {}
  ~TGLMeshHandle() override;
  bool IsValid() const override { return !FDevice.expired(); }
  GLuint Vao = 0, VertexBuffer = 0, IndexBuffer = 0;
  std::uint64_t Version = 0;

 private:
  std::weak_ptr<TGLDevice> FDevice;
};

class TGLDevice : public std::enable_shared_from_this<TGLDevice> {
 public:
  // The device of the current GL context, made on first use.
  static std::shared_ptr<TGLDevice> Current();
  static void Release();

  TGLDevice();
  ~TGLDevice();

  // Clip space depth 0..1 through glClipControl; false means the vertex programs remap it.
  bool HasClipControl() const { return FClipControl; }
  // The most pixels a side of a render target: the least of the largest texture, renderbuffer
  // and viewport the device takes (a target beyond it is never complete).
  int MaxRenderTargetSize() const { return FMaxRenderTargetSize; }
  // The sample count to use for `asked`: it, or the next lower supported one down to 2, else 1.
  int SupportedSamples(int asked) const;

  // The program linked from the named vertex and pixel programs (null when unknown).
  TGLProgram* Program(std::string_view vertex, std::string_view pixel);
  GLuint Sampler() const { return FSampler; }
  GLuint TransparentTexture() const { return FTransparentTexture; }
  // An empty vertex array for draws that make their vertices from gl_VertexID.
  GLuint EmptyVao() const { return FEmptyVao; }

  // Makes or refills a texture (RGBA8, full size, one level) from a premultiplied picture.
  std::unique_ptr<TDeviceHandle> UploadTexture(const TTextureImage& image,
                                               std::unique_ptr<TDeviceHandle> old);
  // The same band by band.
  std::unique_ptr<TDeviceHandle> UploadTextureBands(const TTextureBands& bands,
                                                    std::unique_ptr<TDeviceHandle> old);
  // Takes over a texture made on a context that shares objects with this one (0: none).
  std::unique_ptr<TDeviceHandle> AdoptTexture(GLuint name, int width, int height);
  // Binds the mesh's vertex array, uploading its buffers when they are missing or stale.
  void BindMesh(const TMeshData& mesh);

  // Objects whose scene handles died; freed at the next frame (when the GL context is
  // certainly current).
  void DeferDelete(GLuint texture, GLuint vao = 0, GLuint buffer1 = 0, GLuint buffer2 = 0);
  void FreeDeferred();

 private:
  GLuint Compile(GLenum stage, std::string_view name);

  bool FClipControl = false;
  std::vector<int> FSampleCounts;  // supported counts above 1, when the device can tell
  int FMaxSamples = 1;
  int FMaxRenderTargetSize = 0;
  struct TLinked {
    std::string Vertex, Pixel;
    std::unique_ptr<TGLProgram> Program;
  };
  std::vector<TLinked> FPrograms;  // a handful: searched in order
  std::map<std::string, GLuint, std::less<>> FShaders;
  GLuint FSampler = 0;
  GLuint FTransparentTexture = 0;
  GLuint FEmptyVao = 0;
  std::vector<GLuint> FDeadTextures, FDeadVaos, FDeadBuffers;
};

// The GLSL source of a registered program ("gouraud2.fvs", "texture.fps", ...), with the
// depth remap compiled in when `remapDepth`; empty when the name is unknown.
std::string ProgramSource(std::string_view name, bool remapDepth);

}  // namespace scene::gl
