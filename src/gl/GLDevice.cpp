#include "gl/GLDevice.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "scene/render/MeshData.h"
#include "scene/render/TextureBands.h"
#include "scene/render/TextureImage.h"

namespace scene::gl {

namespace {

std::shared_ptr<TGLDevice>& CurrentDevice() {
  static std::shared_ptr<TGLDevice> device;  // user-interface thread only
  return device;
}

bool HasExtension(std::string_view name) {
  GLint count = 0;
  glGetIntegerv(GL_NUM_EXTENSIONS, &count);
  for (GLint i = 0; i < count; ++i) {
    const auto* e =
        reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
    if (e && name == e) return true;
  }
  return false;
}

}  // namespace

// --- handles ---------------------------------------------------------------------------------

TGLTextureHandle::~TGLTextureHandle() {
  if (auto device = FDevice.lock()) device->DeferDelete(FName);
}

TGLMeshHandle::~TGLMeshHandle() {
  if (auto device = FDevice.lock()) device->DeferDelete(0, Vao, VertexBuffer, IndexBuffer);
}

// --- programs --------------------------------------------------------------------------------

GLint TGLProgram::Location(std::string_view input) {
  auto it = FLocations.find(input);
  if (it == FLocations.end())
    it =
        FLocations
            .emplace(std::string(input), glGetUniformLocation(FProgram, std::string(input).c_str()))
            .first;
  return it->second;
}

void TGLProgram::SetInputs(const TShaderInputs& inputs) {
  for (const TShaderInput& input : inputs.Inputs()) {
    const GLint location = Location(input.Name);
    if (location < 0) continue;
    if (input.IsMatrix)
      glUniformMatrix4fv(location, 1, GL_FALSE, input.Values.data());
    else
      glUniform4fv(location, 1, input.Values.data());
  }
}

// --- device ----------------------------------------------------------------------------------

int QueryMaxRenderTargetSize() {
  GLint maxTexture = 0, maxRenderbuffer = 0, maxViewport[2] = {0, 0};
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTexture);
  glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxRenderbuffer);
  glGetIntegerv(GL_MAX_VIEWPORT_DIMS, maxViewport);
  return std::min({maxTexture, maxRenderbuffer, maxViewport[0], maxViewport[1]});
}

std::shared_ptr<TGLDevice> TGLDevice::Current() {
  std::shared_ptr<TGLDevice>& device = CurrentDevice();
  if (!device) device = std::make_shared<TGLDevice>();
  return device;
}

void TGLDevice::Release() {
  CurrentDevice().reset();
}

TGLDevice::TGLDevice() {
  GLint major = 0, minor = 0;
  glGetIntegerv(GL_MAJOR_VERSION, &major);
  glGetIntegerv(GL_MINOR_VERSION, &minor);
  const int version = major * 10 + minor;
  FClipControl = version >= 45 || HasExtension("GL_ARB_clip_control");

  FMaxRenderTargetSize = QueryMaxRenderTargetSize();

  GLint maxSamples = 1, maxColor = 1, maxDepth = 1;
  glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
  glGetIntegerv(GL_MAX_COLOR_TEXTURE_SAMPLES, &maxColor);
  glGetIntegerv(GL_MAX_DEPTH_TEXTURE_SAMPLES, &maxDepth);
  FMaxSamples = std::max(1, std::min({maxSamples, maxColor, maxDepth}));
  if (version >= 42 || HasExtension("GL_ARB_internalformat_query")) {
    // The exact counts the multisampled colour texture supports.
    GLint count = 0;
    glGetInternalformativ(GL_TEXTURE_2D_MULTISAMPLE, GL_RGBA8, GL_NUM_SAMPLE_COUNTS, 1, &count);
    if (count > 0) {
      std::vector<GLint> counts(static_cast<size_t>(count));
      glGetInternalformativ(GL_TEXTURE_2D_MULTISAMPLE, GL_RGBA8, GL_SAMPLES, count, counts.data());
      FSampleCounts.assign(counts.begin(), counts.end());
    }
  }

  glGenSamplers(1, &FSampler);
  glSamplerParameteri(FSampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glSamplerParameteri(FSampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glSamplerParameteri(FSampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glSamplerParameteri(FSampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);

  const std::uint8_t transparent[4] = {0, 0, 0, 0};
  glGenTextures(1, &FTransparentTexture);
  glBindTexture(GL_TEXTURE_2D, FTransparentTexture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, transparent);
  glBindTexture(GL_TEXTURE_2D, 0);

  glGenVertexArrays(1, &FEmptyVao);
}

TGLDevice::~TGLDevice() {
  FreeDeferred();
  for (TLinked& linked : FPrograms)
    glDeleteProgram(linked.Program->Name());
  for (auto& [name, shader] : FShaders)
    glDeleteShader(shader);
  glDeleteSamplers(1, &FSampler);
  glDeleteTextures(1, &FTransparentTexture);
  glDeleteVertexArrays(1, &FEmptyVao);
}

int TGLDevice::SupportedSamples(int asked) const {
  auto supported = [this](int n) {
    if (n > FMaxSamples) return false;
    return FSampleCounts.empty() ||
           std::find(FSampleCounts.begin(), FSampleCounts.end(), n) != FSampleCounts.end();
  };
  for (int n = asked; n >= 2; --n)
    if (supported(n)) return n;
  return 1;
}

GLuint TGLDevice::Compile(GLenum stage, std::string_view name) {
  auto it = FShaders.find(name);
  if (it != FShaders.end()) return it->second;
  const std::string source = ProgramSource(name, !FClipControl);
  if (source.empty()) return 0;
  const GLuint shader = glCreateShader(stage);
  const char* text = source.c_str();
  glShaderSource(shader, 1, &text, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    char log[2048] = {};
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    std::fprintf(stderr, "shader %.*s: %s\n", static_cast<int>(name.size()), name.data(), log);
    glDeleteShader(shader);
    return 0;
  }
  FShaders.emplace(std::string(name), shader);
  return shader;
}

TGLProgram* TGLDevice::Program(std::string_view vertex, std::string_view pixel) {
  for (TLinked& linked : FPrograms)
    if (linked.Vertex == vertex && linked.Pixel == pixel) return linked.Program.get();
  const GLuint vs = Compile(GL_VERTEX_SHADER, vertex);
  const GLuint fs = Compile(GL_FRAGMENT_SHADER, pixel);
  if (!vs || !fs) return nullptr;
  const GLuint program = glCreateProgram();
  glAttachShader(program, vs);
  glAttachShader(program, fs);
  glLinkProgram(program);
  GLint ok = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &ok);
  if (!ok) {
    char log[2048] = {};
    glGetProgramInfoLog(program, sizeof log, nullptr, log);
    std::fprintf(stderr, "program %.*s + %.*s: %s\n", static_cast<int>(vertex.size()),
                 vertex.data(), static_cast<int>(pixel.size()), pixel.data(), log);
    glDeleteProgram(program);
    return nullptr;
  }
  auto linked = std::make_unique<TGLProgram>(program);
  TGLProgram* result = linked.get();
  // "texture0" always reads texture unit 0.
  glUseProgram(program);
  if (const GLint unit = result->Location("texture0"); unit >= 0) glUniform1i(unit, 0);
  FPrograms.push_back({std::string(vertex), std::string(pixel), std::move(linked)});
  return result;
}

namespace {

// A new texture of one level at full size (RGBA8), filled from `pixels` (packed premultiplied
// RGBA rows, row 0 at t = 0) or left undefined when `pixels` is null.
GLuint NewTexture(int width, int height, const void* pixels) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  // One level: no mipmaps.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  glBindTexture(GL_TEXTURE_2D, 0);
  return name;
}

void UnpackTightly() {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

// Fills the texture `name` (as large as the picture) band by band through one band's buffer.
// A band that cannot be read is filled transparent.
void FillFromBands(GLuint name, const TTextureBands& bands) {
  std::vector<std::uint8_t> band(static_cast<std::size_t>(bands.BandRows()) * bands.Width() * 4);
  glBindTexture(GL_TEXTURE_2D, name);
  for (int i = 0; i < bands.BandCount(); ++i) {
    if (!bands.ReadBand(i, band)) std::fill(band.begin(), band.end(), std::uint8_t{0});
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, i * bands.BandRows(), bands.Width(), bands.RowsIn(i),
                    GL_RGBA, GL_UNSIGNED_BYTE, band.data());
  }
  glBindTexture(GL_TEXTURE_2D, 0);
}

}  // namespace

GLuint MakeTextureFromBands(const TTextureBands& bands) {
  UnpackTightly();
  const GLuint name = NewTexture(bands.Width(), bands.Height(), nullptr);
  FillFromBands(name, bands);
  return name;
}

std::unique_ptr<TDeviceHandle> TGLDevice::UploadTexture(const TTextureImage& image,
                                                        std::unique_ptr<TDeviceHandle> old) {
  auto* reuse = dynamic_cast<TGLTextureHandle*>(old.get());
  UnpackTightly();
  if (reuse && reuse->IsValid() && reuse->Width() == image.Width &&
      reuse->Height() == image.Height) {
    glBindTexture(GL_TEXTURE_2D, reuse->Name());
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, image.Width, image.Height, GL_RGBA, GL_UNSIGNED_BYTE,
                    image.Pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return old;
  }
  old.reset();
  const GLuint name = NewTexture(image.Width, image.Height, image.Pixels.data());
  return std::make_unique<TGLTextureHandle>(weak_from_this(), name, image.Width, image.Height);
}

std::unique_ptr<TDeviceHandle> TGLDevice::UploadTextureBands(const TTextureBands& bands,
                                                             std::unique_ptr<TDeviceHandle> old) {
  auto* reuse = dynamic_cast<TGLTextureHandle*>(old.get());
  UnpackTightly();
  if (reuse && reuse->IsValid() && reuse->Width() == bands.Width() &&
      reuse->Height() == bands.Height()) {
    FillFromBands(reuse->Name(), bands);
    return old;
  }
  old.reset();
  const GLuint name = NewTexture(bands.Width(), bands.Height(), nullptr);
  FillFromBands(name, bands);
  return std::make_unique<TGLTextureHandle>(weak_from_this(), name, bands.Width(), bands.Height());
}

std::unique_ptr<TDeviceHandle> TGLDevice::AdoptTexture(GLuint name, int width, int height) {
  if (name == 0) return nullptr;
  return std::make_unique<TGLTextureHandle>(weak_from_this(), name, width, height);
}

void TGLDevice::BindMesh(const TMeshData& mesh) {
  std::unique_ptr<TDeviceHandle>& slot = mesh.DeviceData();
  auto* handle = dynamic_cast<TGLMeshHandle*>(slot.get());
  if (!handle || !handle->IsValid()) {
    auto fresh = std::make_unique<TGLMeshHandle>(weak_from_this());
    handle = fresh.get();
    slot = std::move(fresh);
    glGenVertexArrays(1, &handle->Vao);
    glGenBuffers(1, &handle->VertexBuffer);
    glGenBuffers(1, &handle->IndexBuffer);
    glBindVertexArray(handle->Vao);
    glBindBuffer(GL_ARRAY_BUFFER, handle->VertexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, handle->IndexBuffer);
    const auto stride = static_cast<GLsizei>(sizeof(TMeshVertex));
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(TMeshVertex, Position)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(TMeshVertex, Normal)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(TMeshVertex, TexCoord0)));
  } else {
    glBindVertexArray(handle->Vao);
  }
  if (handle->Version != mesh.Version()) {
    glBindBuffer(GL_ARRAY_BUFFER, handle->VertexBuffer);
    glBufferData(GL_ARRAY_BUFFER,
                 static_cast<GLsizeiptr>(mesh.VertexBuffer().size() * sizeof(TMeshVertex)),
                 mesh.VertexBuffer().data(), GL_STATIC_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                 static_cast<GLsizeiptr>(mesh.IndexBuffer().size() * sizeof(std::uint32_t)),
                 mesh.IndexBuffer().data(), GL_STATIC_DRAW);
    handle->Version = mesh.Version();
  }
}

void TGLDevice::DeferDelete(GLuint texture, GLuint vao, GLuint buffer1, GLuint buffer2) {
  if (texture) FDeadTextures.push_back(texture);
  if (vao) FDeadVaos.push_back(vao);
  if (buffer1) FDeadBuffers.push_back(buffer1);
  if (buffer2) FDeadBuffers.push_back(buffer2);
}

void TGLDevice::FreeDeferred() {
  if (!FDeadTextures.empty())
    glDeleteTextures(static_cast<GLsizei>(FDeadTextures.size()), FDeadTextures.data());
  if (!FDeadVaos.empty())
    glDeleteVertexArrays(static_cast<GLsizei>(FDeadVaos.size()), FDeadVaos.data());
  if (!FDeadBuffers.empty())
    glDeleteBuffers(static_cast<GLsizei>(FDeadBuffers.size()), FDeadBuffers.data());
  FDeadTextures.clear();
  FDeadVaos.clear();
  FDeadBuffers.clear();
}

}  // namespace scene::gl
