#include "scene/render/Context3D.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "scene/render/ColorMaterial.h"
#include "scene/render/MeshData.h"
#include "scene/render/Texture.h"
#include "scene/render/TextureBands.h"

namespace scene {

int SampleCount(TMultisample m) {
  switch (m) {
    case TMultisample::None:
      return 1;
    case TMultisample::TwoSamples:
      return 2;
    case TMultisample::FourSamples:
      return 4;
  }
  return 1;
}

TPixelSize FitRenderTarget(int width, int height, int limit) {
  if (limit <= 0 || (width <= limit && height <= limit)) return {width, height};
  const double scale = static_cast<double>(limit) / std::max(width, height);
  const auto fit = [&](int n) {
    return std::clamp(static_cast<int>(std::lround(n * scale)), 1, limit);
  };
  return {fit(width), fit(height)};
}

TMatrix3D PerspectiveProjection(float angleOfViewDegrees, int width, int height) {
  const float aspect = height == 0 ? 1.0f : static_cast<float>(width) / static_cast<float>(height);
  const float f = angleOfViewDegrees * (std::numbers::pi_v<float> / 180.0f);
  const float yScale = 1.0f / std::tan(f / 2.0f);
  const float xScale = yScale / aspect;
  const float zn = TContext3D::NearPlane, zf = TContext3D::FarPlane;
  TMatrix3D p = TMatrix3D::Zero();
  p.m11 = xScale;
  p.m22 = yScale;
  p.m33 = zf / (zn - zf);
  p.m34 = -1;
  p.m43 = zn * zf / (zn - zf);
  return p;
}

TContext3D::TContext3D(int width, int height, TMultisample multisample)
    : FWidth(width),
      FHeight(height),
      FMultisample(multisample),
      FDefaultMaterial(std::make_unique<TColorMaterial>()) {}

TContext3D::~TContext3D() = default;

void TContext3D::SetMultisample(TMultisample m) {
  if (m == FMultisample) return;
  FMultisample = m;
  FBackdropKept = false;
  DeviceSetMultisample(m);
}

bool TContext3D::BeginScene() {
  FProjectionStale = true;
  FMatrix = TMatrix3D::Identity();
  FIs2DScene = false;
  FInScene = DeviceBeginScene();
  return FInScene;
}

void TContext3D::EndScene() {
  if (!FInScene) return;
  DeviceEndScene();
  FInScene = false;
}

void TContext3D::Clear(unsigned targets, TAlphaColor color, float depth, std::uint32_t stencil) {
  DeviceClear(targets, color, depth, stencil);
}

void TContext3D::SetCameraMatrix(const TMatrix3D& m) {
  FCameraMatrix = m;
  FCameraInvMatrix = m.Inverse();
}

void TContext3D::SetCameraAngleOfView(float degrees) {
  if (degrees == FAngleOfView) return;
  FAngleOfView = degrees;
  FProjectionStale = true;
}

void TContext3D::UpdateProjection() const {
  if (!FProjectionStale) return;
  FProjection = PerspectiveProjection(FAngleOfView, FWidth, FHeight);
  FProjectionInv = FProjection.Inverse();
  FProjectionStale = false;
}

const TMatrix3D& TContext3D::CurrentProjectionMatrix() const {
  UpdateProjection();
  return FProjection;
}

const TMatrix3D& TContext3D::CurrentProjectionInvMatrix() const {
  UpdateProjection();
  return FProjectionInv;
}

TMatrix3D TContext3D::CurrentScreenMatrix() const {
  TMatrix3D s;
  s.m11 = FWidth > 0 ? 2.0f / static_cast<float>(FWidth) : 1.0f;
  s.m22 = FHeight > 0 ? -2.0f / static_cast<float>(FHeight) : 1.0f;
  s.m41 = -1;
  s.m42 = 1;
  return s;
}

TMatrix3D TContext3D::CurrentModelViewProjection() const {
  if (FIs2DScene) return FMatrix * CurrentScreenMatrix();
  return FMatrix * FCameraMatrix * CurrentProjectionMatrix();
}

TPoint3D TContext3D::EyePosition() const {
  return {FCameraInvMatrix.m41, FCameraInvMatrix.m42, FCameraInvMatrix.m43};
}

void TContext3D::SetContextState(TContextState state) {
  if (state == TContextState::cs2DScene) FIs2DScene = true;
  if (state == TContextState::cs3DScene) FIs2DScene = false;
  if (FSigning) {
    if (state == TContextState::csAlphaBlendOn) FSigningBlend = true;
    if (state == TContextState::csAlphaBlendOff) FSigningBlend = false;
    FSignature.Add(state);
    return;
  }
  DeviceSetContextState(state);
}

void TContext3D::DrawTriangles(const TMeshData& mesh, const TMaterial* material, float opacity) {
  if (mesh.IndexCount() == 0) return;
  FInputs.Clear();
  FInputs.SetMatrix("MVPMatrix", CurrentModelViewProjection());
  FInputs.SetMatrix("ModelView", FMatrix);
  (material ? *material : static_cast<const TMaterial&>(*FDefaultMaterial))
      .Apply(*this, opacity, FInputs);
  if (FSigning) {
    FSignature.Add(&mesh);
    FSignature.Add(mesh.Version());
    FSignature.AddText(FInputs.VertexProgram);
    FSignature.AddText(FInputs.PixelProgram);
    FSignature.Add(FInputs.Texture0);
    FSignature.Add(FInputs.OpaqueOutput);
    if (FSigningBlend && !FInputs.OpaqueOutput) FSignature.Replaces = false;
    for (const TShaderInput& input : FInputs.Inputs()) {
      FSignature.AddText(input.Name);
      FSignature.Add(input.IsMatrix);
      FSignature.Add(input.Values);
    }
    return;
  }
  DeviceDrawTriangles(mesh, FInputs);
}

void TContext3D::BeginSignature() {
  FSignature.Clear();
  FSigning = true;
  FSigningBlend = false;
}

TDrawSignature TContext3D::EndSignature() {
  FSigning = false;
  FSignature.Add(FUploads);
  return std::move(FSignature);
}

bool TContext3D::KeepBackdrop() {
  FBackdropKept = FInScene && DeviceKeepBackdrop();
  return FBackdropKept;
}

bool TContext3D::DrawBackdrop() {
  if (!FInScene || !FBackdropKept) return false;
  DeviceDrawBackdrop();
  return true;
}

void TContext3D::CopyToBitmap(TTextureImage& bitmap, const TPixelRect& rect) {
  DeviceCopyToBitmap(bitmap, rect);
}

TDeviceHandle* TContext3D::PrepareTexture(TTexture& texture) {
  return texture.Prepare([this](const TTextureImage* image, const TTextureBands* bands,
                                std::unique_ptr<TDeviceHandle> old) {
    ++FUploads;
    if (!image && bands) return DeviceUploadTextureBands(*bands, std::move(old));
    return DeviceUploadTexture(image, std::move(old));
  });
}

std::unique_ptr<TDeviceHandle> TContext3D::DeviceUploadTextureBands(
    const TTextureBands& bands, std::unique_ptr<TDeviceHandle> old) {
  TTextureImage image(bands.Width(), bands.Height());
  image.Opaque = bands.Opaque();
  std::vector<std::uint8_t> band(static_cast<std::size_t>(bands.BandRows()) * bands.Width() * 4);
  for (int i = 0; i < bands.BandCount(); ++i) {
    // A band that cannot be read stays transparent.
    if (!bands.ReadBand(i, band)) continue;
    std::copy_n(band.begin(), static_cast<std::size_t>(bands.RowsIn(i)) * bands.Width() * 4,
                image.Pixel(0, i * bands.BandRows()));
  }
  return DeviceUploadTexture(&image, std::move(old));
}

}  // namespace scene
