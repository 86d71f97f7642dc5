// The drawing context of one viewport: the state of the frame being drawn (model, camera and
// projection matrices, lights, render switches) in front of a device that does the work.
//
// The render pass sets the state and materials read it when DrawTriangles gathers a draw's
// shader inputs. Everything that touches pixels or device memory (clear, draw, read back,
// texture upload, present) goes through the protected Device... members, which a device class
// implements: the GL device in the program, a recording device in the unit tests. The context
// draws into an off-screen target of Width x Height pixels held by its device; a frame lies
// between BeginScene and EndScene, and Present then lays the image into a window. Matrices act
// on row vectors (translation in m41..m43); angles are degrees.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "scene/math/AlphaColor.h"
#include "scene/math/Matrix3D.h"
#include "scene/render/DrawSignature.h"
#include "scene/render/LightDescription.h"
#include "scene/render/ShaderInputs.h"
#include "scene/render/TextureImage.h"

namespace scene {

class TColorMaterial;
class TDeviceHandle;
class TMaterial;
class TMeshData;
class TTexture;
class TTextureBands;

// Render switches the pass sets for each object; the device applies them. cs2DScene makes
// the model matrix map to pixels (CurrentScreenMatrix) instead of going through the camera.
enum class TContextState {
  cs2DScene,
  cs3DScene,
  csZTestOn,
  csZTestOff,
  csZWriteOn,
  csZWriteOff,
  csAlphaBlendOn,
  csAlphaBlendOff,
  csStencilOn,
  csStencilOff,
  csColorWriteOn,
  csColorWriteOff,
  csScissorOn,
  csScissorOff,
  csFrontFace,
  csBackFace,
  csAllFace
};

// What Clear clears: a combination of these bits.
enum TClearTarget : unsigned { ctColor = 1, ctDepth = 2, ctStencil = 4 };

enum class TMultisample { None, TwoSamples, FourSamples };
// 1, 2 or 4 samples per pixel.
int SampleCount(TMultisample m);

// A rectangle of pixels, top-left origin.
struct TPixelRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  friend bool operator==(const TPixelRect&, const TPixelRect&) = default;
};

struct TPixelSize {
  int Width = 0, Height = 0;
  friend bool operator==(const TPixelSize&, const TPixelSize&) = default;
};

// The size a device draws a target of width x height pixels at when its render targets may be
// at most `limit` pixels a side (no limit when it is 0 or less): the same size when it fits,
// else scaled down evenly to fit, keeping its shape, at least one pixel a side. The picture is
// then enlarged to the full size where it is laid into the window.
TPixelSize FitRenderTarget(int width, int height, int limit);

// Where Present puts the image: a framebuffer of the device (0 is the window's default one)
// of the given pixel size, at Left/Top (pixels from the framebuffer's top-left corner), faded
// by Opacity and laid premultiplied over what the framebuffer holds.
struct TPresentTarget {
  unsigned Framebuffer = 0;
  int FramebufferWidth = 0;
  int FramebufferHeight = 0;
  int Left = 0;
  int Top = 0;
  float Opacity = 1;
  // The image is opaque and replaces its rectangle (Opacity is 1): a device may copy it
  // instead of blending it, with the same pixels.
  bool Replace = false;
};

class TContext3D {
 public:
  static constexpr float NearPlane = 1;
  static constexpr float FarPlane = 1000;

  TContext3D(int width, int height, TMultisample multisample);
  virtual ~TContext3D();
  TContext3D(const TContext3D&) = delete;
  TContext3D& operator=(const TContext3D&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  TMultisample Multisample() const { return FMultisample; }
  // Rebuilds the device's buffers with the new sample count.
  void SetMultisample(TMultisample m);
  // The samples per pixel in use: the count asked for or, when the device cannot do it, the
  // highest lower count it can (2, else 1).
  virtual int Samples() const = 0;

  // Starts a frame: the model matrix becomes the identity and the projection is recomputed at
  // its next use. False when the device cannot draw now; nothing may be drawn then.
  bool BeginScene();
  // Finishes the frame begun by a successful BeginScene; otherwise does nothing.
  void EndScene();

  void Clear(unsigned targets, TAlphaColor color, float depth, std::uint32_t stencil);

  void SetMatrix(const TMatrix3D& m) { FMatrix = m; }
  const TMatrix3D& CurrentMatrix() const { return FMatrix; }
  void SetCameraMatrix(const TMatrix3D& m);
  const TMatrix3D& CurrentCameraMatrix() const { return FCameraMatrix; }
  void SetCameraAngleOfView(float degrees);
  float CurrentAngleOfView() const { return FAngleOfView; }
  // The perspective for the angle of view (vertical) and the pixel size: right-handed,
  // NearPlane..FarPlane mapped to depth 0..1, a zero height taken as square. Kept until the
  // next BeginScene or change of the angle.
  const TMatrix3D& CurrentProjectionMatrix() const;
  const TMatrix3D& CurrentProjectionInvMatrix() const;
  // Pixels (top-left origin, y down) to clip space, for objects drawn with cs2DScene.
  TMatrix3D CurrentScreenMatrix() const;
  // model * camera * projection, or model * screen matrix in a 2D scene.
  TMatrix3D CurrentModelViewProjection() const;
  // The eye in scene coordinates (the origin of the inverse camera matrix).
  TPoint3D EyePosition() const;

  std::vector<TLightDescription>& Lights() { return FLights; }
  const std::vector<TLightDescription>& Lights() const { return FLights; }

  void SetContextState(TContextState state);

  // Draws the mesh's triangle list with `material` (the default red colour material when
  // null) at the given opacity, under the matrix and states set before.
  void DrawTriangles(const TMeshData& mesh, const TMaterial* material, float opacity);

  // Copies a rectangle of the last finished image into `bitmap` (premultiplied RGBA, row 0 at
  // the top), resizing it to the rectangle. For screenshots: it reads pixels back.
  void CopyToBitmap(TTextureImage& bitmap, const TPixelRect& rect);

  // Resolves the finished image straight into `target` (see TPresentTarget).
  virtual void Present(const TPresentTarget& target) = 0;

  // Uploads the texture's pending picture (releasing the decoded copy) and returns the
  // device's handle to draw with, or null when the texture is empty.
  TDeviceHandle* PrepareTexture(TTexture& texture);

  const TColorMaterial& DefaultMaterial() const { return *FDefaultMaterial; }

  // Signatures: between BeginSignature and EndSignature, SetContextState and DrawTriangles
  // write what they would hand the device into a signature and draw nothing (textures are
  // still made ready). The signature also holds the count of texture uploads so far, so that a
  // texture refilled in place counts as a change.
  void BeginSignature();
  TDrawSignature EndSignature();

  // The backdrop: an object drawn last, behind everything else, that stays the same for many
  // frames (a sky while the camera stands still). KeepBackdrop keeps the image drawn so far in
  // the frame (the backdrop alone, on a cleared target); DrawBackdrop lays the kept image in
  // again wherever the depth is still as cleared, as drawing the backdrop there would, in one
  // pass over the target. False when the device cannot, or has nothing kept (a new sample
  // count drops what was kept).
  bool KeepsBackdrops() const { return DeviceKeepsBackdrops(); }
  bool KeepBackdrop();
  bool DrawBackdrop();

 protected:
  virtual bool DeviceBeginScene() = 0;
  virtual void DeviceEndScene() = 0;
  virtual void DeviceClear(unsigned targets, TAlphaColor color, float depth,
                           std::uint32_t stencil) = 0;
  virtual void DeviceSetContextState(TContextState state) = 0;
  virtual void DeviceDrawTriangles(const TMeshData& mesh, const TShaderInputs& inputs) = 0;
  virtual void DeviceCopyToBitmap(TTextureImage& bitmap, const TPixelRect& rect) = 0;
  virtual void DeviceSetMultisample(TMultisample m) = 0;
  // Makes (or refills, reusing `old` when it fits) the device texture for `image`; `image` is
  // null when the picture is gone, and the result may then be null.
  virtual std::unique_ptr<TDeviceHandle> DeviceUploadTexture(
      const TTextureImage* image, std::unique_ptr<TDeviceHandle> old) = 0;
  // The same from a source of bands. By default the bands are put together into one picture
  // for DeviceUploadTexture; a device that can fill a texture band by band does so instead.
  virtual std::unique_ptr<TDeviceHandle> DeviceUploadTextureBands(
      const TTextureBands& bands, std::unique_ptr<TDeviceHandle> old);
  // Keeping and laying in the backdrop (see KeepBackdrop); a device without them draws the
  // backdrop every frame.
  virtual bool DeviceKeepsBackdrops() const { return false; }
  virtual bool DeviceKeepBackdrop() { return false; }
  virtual void DeviceDrawBackdrop() {}

 private:
  void UpdateProjection() const;

  int FWidth, FHeight;
  TMultisample FMultisample;
  bool FInScene = false;
  bool FIs2DScene = false;
  TMatrix3D FMatrix;
  TMatrix3D FCameraMatrix;
  TMatrix3D FCameraInvMatrix;
  float FAngleOfView = 45;
  mutable TMatrix3D FProjection;
  mutable TMatrix3D FProjectionInv;
  mutable bool FProjectionStale = true;
  std::vector<TLightDescription> FLights;
  std::unique_ptr<TColorMaterial> FDefaultMaterial;
  TShaderInputs FInputs;
  bool FSigning = false;
  bool FSigningBlend = false;  // the blend state set while signing
  TDrawSignature FSignature;
  std::uint64_t FUploads = 0;
  bool FBackdropKept = false;
};

// The projection of a context of the given pixel size (see CurrentProjectionMatrix).
TMatrix3D PerspectiveProjection(float angleOfViewDegrees, int width, int height);

}  // namespace scene
