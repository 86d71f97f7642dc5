// The main window's stored 3D scene: the planet with its rings, the pivot carrying camera and
// light, the star-field sky and the seven moons, with every stored property value, and the
// ten material sources.
//
// BuildStoredScene builds it under the viewport in the stored tree order, applying each
// object's stored properties in order through the same setters as at run time (the moons'
// angle writes, then their stored Quanternion); references between objects (materials,
// camera, camera target) are linked once the whole tree exists, as a stored description is
// read, so the viewport's drawing order is decided before any material is linked. Call it
// while the window is loading (between BeginLoading and EndLoading); textures are attached
// later from decoded pictures. RotationCentres are not stored: FormCreate sets them through
// SetMoonRotationCentres.
#pragma once

#include <array>
#include <functional>

#include "assets/EmbeddedAssets.h"
#include "scene/materials/LightMaterial.h"
#include "scene/materials/TextureMaterial.h"
#include "scene/objects/Camera.h"
#include "scene/objects/Disk.h"
#include "scene/objects/Dummy.h"
#include "scene/objects/Light.h"
#include "scene/objects/Sphere.h"
#include "ui/view3d/Viewport3D.h"

namespace app {

struct TStoredScene {
  ui::TViewport3D* Viewport3D1 = nullptr;
  scene::TSphere* Sphere1 = nullptr;                                // the planet
  scene::TDisk* Disk1 = nullptr;                                    // its rings (child of Sphere1)
  scene::TDummy* Dummy1 = nullptr;                                  // the pivot
  scene::TCamera* Camera1 = nullptr;                                // child of Dummy1
  scene::TLight* Light1 = nullptr;                                  // child of Dummy1
  scene::TSphere* Sphere2 = nullptr;                                // the sky
  scene::TSphere* Sphere3 = nullptr;                                // Mimas
  scene::TSphere* Sphere4 = nullptr;                                // Enceladus
  scene::TSphere* Sphere5 = nullptr;                                // Tethys
  scene::TSphere* Sphere6 = nullptr;                                // Dione
  scene::TSphere* Sphere7 = nullptr;                                // Rhea
  scene::TSphere* Sphere8 = nullptr;                                // Titan
  scene::TSphere* Sphere9 = nullptr;                                // Iapetus
  scene::TLightMaterialSource* LightMaterialSource1 = nullptr;      // planet
  scene::TLightMaterialSource* LightMaterialSource2 = nullptr;      // Mimas
  scene::TLightMaterialSource* LightMaterialSource3 = nullptr;      // Enceladus
  scene::TLightMaterialSource* LightMaterialSource4 = nullptr;      // Tethys
  scene::TLightMaterialSource* LightMaterialSource5 = nullptr;      // Dione
  scene::TLightMaterialSource* LightMaterialSource6 = nullptr;      // Rhea
  scene::TLightMaterialSource* LightMaterialSource7 = nullptr;      // Titan
  scene::TLightMaterialSource* LightMaterialSource8 = nullptr;      // Iapetus
  scene::TTextureMaterialSource* TextureMaterialSource1 = nullptr;  // sky
  scene::TTextureMaterialSource* TextureMaterialSource2 = nullptr;  // rings

  // Sphere3 to Sphere9 (Mimas to Iapetus).
  std::array<scene::TSphere*, 7> Moons() const;
};

// What others add to the stored tree at its places (each may be empty):
struct TStoredSceneExtras {
  // Label1, the viewport's 2D label: added to the viewport between Dummy1 and Sphere2.
  std::function<void(ui::TViewport3D& viewport)> AddLabel;
  // The body's spin or orbit animation, its first child: FloatAnimation1 for Sphere1 (before
  // Disk1), FloatAnimation2 to FloatAnimation8 for Sphere3 to Sphere9.
  std::function<void(scene::TSphere& body, int animationNumber)> AddBodyAnimation;
  // The window's objects stored between the viewport and the first material source (the
  // side panel, the style book, the context menu), and those stored right after it (the
  // information texts).
  std::function<void()> AddBeforeMaterials, AddAfterFirstMaterial;
};

// Builds the scene under `viewport` (and sets the viewport's stored properties: Camera,
// UsingDesignCamera False, Color claNull, Align Client, size 1332 x 829); the material sources
// become children of `materialOwner` (the window), LightMaterialSource1 first.
TStoredScene BuildStoredScene(ui::TViewport3D& viewport, scene::TSceneNode& materialOwner,
                              const TStoredSceneExtras& extras = {});

// FormCreate's rotation centres: Sphere3 to Sphere9 turn about the planet's centre, (-12, 0, 0)
// to (-24, 0, 0), each coordinate set by its own write, X then Y then Z.
void SetMoonRotationCentres(TStoredScene& scene);

// FormCreate's start view, which the camera's glide sets out from: the camera far out (Z -60)
// and the view tilted 15 degrees towards the ring plane (Dummy1 turned by -15 about X).
void SetStartView(TStoredScene& scene);

// The ten textures of the scene are the first ten built-in pictures, Planet to Rings.
using TSceneTexture = assets::TAssetId;
constexpr int SceneTextureCount = static_cast<int>(assets::TAssetId::Rings) + 1;

// The material source that draws with `texture`.
scene::TMaterialSource& TextureSource(const TStoredScene& scene, TSceneTexture texture);
// Gives the source its decoded picture (premultiplied RGBA, row 0 at the top); the picture is
// uploaded at the next render and then released.
void AttachTexture(const TStoredScene& scene, TSceneTexture texture, scene::TTextureImage image);

}  // namespace app
