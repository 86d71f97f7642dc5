#include "app/StoredScene.h"

#include <stdexcept>
#include <utility>

namespace app {

namespace {

constexpr scene::TAlphaColor BodyDiffuse = 0xFFA4A4A4;
constexpr scene::TAlphaColor BodyAmbient = 0xFF585858;

// Creates an object of the stored tree, marked as loading like everything read with it.
template <class T>
T* Create(const char* name, scene::TSceneNode& parent) {
  auto* o = new T;
  o->SetName(name);
  if (parent.IsLoading()) o->BeginLoading();
  parent.AddChild(o);
  return o;
}

void SetScale(scene::TControl3D& o, float s) {
  o.Scale().SetX(s);
  o.Scale().SetY(s);
  o.Scale().SetZ(s);
}

// The stored moons: object name, orbit radius, scale, stored angle and its quaternion.
struct TStoredMoon {
  const char* Name;
  float Radius;
  float Scale;
  float AngleY;
  const char* Quanternion;  // null when the orientation is the identity
};

constexpr TStoredMoon StoredMoons[] = {
    {"Sphere3", 12, 0.32f, 0, nullptr},
    {"Sphere4", 14, 0.4f, 45, "(0,0.382683455944061,0,0.923879504203796)"},
    {"Sphere5", 16, 0.84f, 90, "(0,0.70710676908493,0,0.70710676908493)"},
    {"Sphere6", 18, 0.86f, 135, "(0,0.923879504203796,0,0.382683426141739)"},
    {"Sphere7", 20, 1.2f, 180, "(0,1,0,-4.37113882867379E-8)"},
    {"Sphere8", 22, 4, 225, "(0,0.923879563808441,0,-0.382683396339417)"},
    {"Sphere9", 24, 1.14f, 270, "(0,0.70710676908493,0,-0.70710676908493)"},
};

scene::TSphere* CreateBodySphere(const char* name, ui::TViewport3D& viewport) {
  auto* s = Create<scene::TSphere>(name, viewport);
  s->SetSubdivisionsAxes(50);
  s->SetSubdivisionsHeight(50);
  return s;
}

}  // namespace

std::array<scene::TSphere*, 7> TStoredScene::Moons() const {
  return {Sphere3, Sphere4, Sphere5, Sphere6, Sphere7, Sphere8, Sphere9};
}

TStoredScene BuildStoredScene(ui::TViewport3D& viewport, scene::TSceneNode& materialOwner,
                              const TStoredSceneExtras& extras) {
  TStoredScene s;
  s.Viewport3D1 = &viewport;
  viewport.SetName("Viewport3D1");
  viewport.SetSize(1332, 829);
  viewport.SetAlign(ui::TControlAlign::Client);
  viewport.SetUsingDesignCamera(false);
  viewport.SetColor(scene::claNull);

  // The viewport's children in stored order, which is also the order they are drawn in when
  // nothing else decides. First the planet with its spin and its rings.
  s.Sphere1 = CreateBodySphere("Sphere1", viewport);
  SetScale(*s.Sphere1, 10);
  s.Sphere1->SetWrapMode(scene::TMeshWrapMode::Fit);
  if (extras.AddBodyAnimation) extras.AddBodyAnimation(*s.Sphere1, 1);
  s.Disk1 = Create<scene::TDisk>("Disk1", *s.Sphere1);
  SetScale(*s.Disk1, 2.2f);
  s.Disk1->SetHeight(0.001f);
  s.Disk1->SetSubdivisionsAxes(50);

  // The pivot that a drag turns, carrying the camera and the light with it.
  s.Dummy1 = Create<scene::TDummy>("Dummy1", viewport);
  s.Camera1 = Create<scene::TCamera>("Camera1", *s.Dummy1);
  s.Camera1->Position().SetZ(-15);
  s.Light1 = Create<scene::TLight>("Light1", *s.Dummy1);
  s.Light1->Position().SetZ(-30);
  s.Light1->SetSpotExponent(3);

  // The body's name label belongs to the 2D layer; it is stored between the pivot and the sky.
  if (extras.AddLabel) extras.AddLabel(viewport);

  // The sky, seen from inside.
  s.Sphere2 = CreateBodySphere("Sphere2", viewport);
  SetScale(*s.Sphere2, 200);
  s.Sphere2->SetHitTest(false);
  s.Sphere2->SetTwoSide(true);
  s.Sphere2->SetWrapMode(scene::TMeshWrapMode::Original);
  // Around everything and drawn last: while the camera stands still its image is kept.
  s.Sphere2->SetBackdrop(true);

  // The moons, each with its orbit animation.
  scene::TSphere** moons[] = {&s.Sphere3, &s.Sphere4, &s.Sphere5, &s.Sphere6,
                              &s.Sphere7, &s.Sphere8, &s.Sphere9};
  for (int i = 0; i < 7; ++i) {
    const TStoredMoon& m = StoredMoons[i];
    scene::TSphere* moon = CreateBodySphere(m.Name, viewport);
    *moons[i] = moon;
    moon->Position().SetX(m.Radius);
    SetScale(*moon, m.Scale);
    moon->RotationAngle().SetY(m.AngleY);
    moon->SetWrapMode(scene::TMeshWrapMode::Fit);
    // A few dozen pixels across: drawn with fewer subdivisions where the eye cannot tell.
    moon->SetFitDetailToView(true);
    // The stored orientation is read after the object's other properties.
    if (m.Quanternion) moon->ReadQuanternion(m.Quanternion);
    if (extras.AddBodyAnimation) extras.AddBodyAnimation(*moon, i + 2);
  }

  // The material sources, children of the window.
  scene::TLightMaterialSource** lights[] = {&s.LightMaterialSource1, &s.LightMaterialSource2,
                                            &s.LightMaterialSource3, &s.LightMaterialSource4,
                                            &s.LightMaterialSource5, &s.LightMaterialSource6,
                                            &s.LightMaterialSource7, &s.LightMaterialSource8};
  const char* lightNames[] = {"LightMaterialSource1", "LightMaterialSource2",
                              "LightMaterialSource3", "LightMaterialSource4",
                              "LightMaterialSource5", "LightMaterialSource6",
                              "LightMaterialSource7", "LightMaterialSource8"};
  if (extras.AddBeforeMaterials) extras.AddBeforeMaterials();
  for (int i = 0; i < 8; ++i) {
    auto* source = Create<scene::TLightMaterialSource>(lightNames[i], materialOwner);
    source->SetDiffuse(BodyDiffuse);
    source->SetAmbient(BodyAmbient);
    source->SetSpecular(scene::claNull);
    *lights[i] = source;
    if (i == 0 && extras.AddAfterFirstMaterial) extras.AddAfterFirstMaterial();
  }
  s.TextureMaterialSource1 =
      Create<scene::TTextureMaterialSource>("TextureMaterialSource1", materialOwner);
  s.TextureMaterialSource2 =
      Create<scene::TTextureMaterialSource>("TextureMaterialSource2", materialOwner);

  // References are linked once everything they name exists.
  viewport.SetCamera(s.Camera1);
  s.Camera1->SetTarget(s.Sphere1);
  s.Sphere1->SetMaterialSource(s.LightMaterialSource1);
  s.Disk1->SetMaterialSource(s.TextureMaterialSource2);
  s.Sphere2->SetMaterialSource(s.TextureMaterialSource1);
  for (int i = 0; i < 7; ++i)
    (*moons[i])->SetMaterialSource(*lights[i + 1]);
  return s;
}

void SetMoonRotationCentres(TStoredScene& scene) {
  for (int i = 0; i < 7; ++i) {
    scene::TSphere& moon = *scene.Moons()[static_cast<size_t>(i)];
    moon.RotationCenter().SetX(-StoredMoons[i].Radius);
    moon.RotationCenter().SetY(0);
    moon.RotationCenter().SetZ(0);
  }
}

void SetStartView(TStoredScene& scene) {
  scene.Camera1->Position().SetZ(-60);
  scene.Dummy1->RotationAngle().SetX(-15);
}

scene::TMaterialSource& TextureSource(const TStoredScene& scene, TSceneTexture texture) {
  switch (texture) {
    case TSceneTexture::Planet:
      return *scene.LightMaterialSource1;
    case TSceneTexture::Mimas:
      return *scene.LightMaterialSource2;
    case TSceneTexture::Enceladus:
      return *scene.LightMaterialSource3;
    case TSceneTexture::Tethys:
      return *scene.LightMaterialSource4;
    case TSceneTexture::Dione:
      return *scene.LightMaterialSource5;
    case TSceneTexture::Rhea:
      return *scene.LightMaterialSource6;
    case TSceneTexture::Titan:
      return *scene.LightMaterialSource7;
    case TSceneTexture::Iapetus:
      return *scene.LightMaterialSource8;
    case TSceneTexture::Sky:
      return *scene.TextureMaterialSource1;
    case TSceneTexture::Rings:
      return *scene.TextureMaterialSource2;
    case TSceneTexture::About:
      break;
  }
  throw std::invalid_argument("not a texture of the scene");
}

void AttachTexture(const TStoredScene& scene, TSceneTexture texture, scene::TTextureImage image) {
  TextureSource(scene, texture).SetTexture(std::move(image));
}

}  // namespace app
