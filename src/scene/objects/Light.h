// A light source. It draws nothing and is never hit; what it gives the scene is its
// Description, which the render pass hands to the drawing context at the start of every frame.
// Its position and direction come from its absolute matrix, so a light moves and turns with its
// parent.
//
// A light is on its viewport's light list exactly while it is in that viewport's tree: it
// registers when it or an ancestor joins and unregisters when it leaves or is freed. Choosing
// a LightType also sets the spot values that suit it: Point gives SpotCutOff 180 (degrees) and
// SpotExponent 0, Spot 60 and 4; Directional keeps both. Only Enabled asks for a render;
// Color, SpotCutOff and SpotExponent are just stored and take effect at the next frame.
#pragma once

#include "scene/math/AlphaColor.h"
#include "scene/objects/Control3D.h"
#include "scene/render/LightDescription.h"

namespace scene {

class TLight : public TControl3D {
 public:
  TLight();
  ~TLight() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  TAlphaColor Color() const { return FColor; }
  void SetColor(TAlphaColor c) { FColor = c; }
  TLightKind LightType() const { return FLightType; }
  void SetLightType(TLightKind t);
  float SpotCutOff() const { return FSpotCutOff; }
  void SetSpotCutOff(float v) { FSpotCutOff = v; }
  float SpotExponent() const { return FSpotExponent; }
  void SetSpotExponent(float v) { FSpotExponent = v; }

  // What the drawing context gets at the start of a frame: the settings as they are, the
  // absolute position and the absolute direction (not normalised).
  TLightDescription Description() const;

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 protected:
  void ViewportChanged(ISceneHost* old) override;

 private:
  bool FEnabled = true;
  TAlphaColor FColor = claWhite;
  TLightKind FLightType = TLightKind::Directional;
  float FSpotCutOff = 180;
  float FSpotExponent = 0;
};

}  // namespace scene
