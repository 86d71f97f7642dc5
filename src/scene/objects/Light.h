// A light of the 3D scene: draws nothing, is never hit.
//
// A light joins its viewport's light list when it (or an ancestor) enters the viewport's tree
// and leaves it when it goes out or is freed. Setting LightType to Point also sets SpotCutOff
// 180 and SpotExponent 0, to Spot 60 and 4; Directional changes neither. Changing Enabled asks
// for a render; Color, SpotCutOff and SpotExponent are only stored (they are read at the next
// frame).
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
