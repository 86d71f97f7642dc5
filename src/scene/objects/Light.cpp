#include "scene/objects/Light.h"

#include "scene/render/SceneHost.h"

namespace scene {

TLight::TLight() {
  SetHitTest(false);
}

TLight::~TLight() {
  // The base destructor leaves the viewport without calling this class's ViewportChanged.
  if (Viewport()) Viewport()->RemoveLight(this);
}

void TLight::ViewportChanged(ISceneHost* old) {
  if (old) old->RemoveLight(this);
  if (Viewport()) Viewport()->AddLight(this);
}

void TLight::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  Repaint();
}

void TLight::SetLightType(TLightKind t) {
  if (t == FLightType) return;
  FLightType = t;
  if (t == TLightKind::Point) {
    FSpotCutOff = 180;
    FSpotExponent = 0;
  } else if (t == TLightKind::Spot) {
    FSpotCutOff = 60;
    FSpotExponent = 4;
  }
}

TLightDescription TLight::Description() const {
  return {FEnabled,
          FColor,
          FLightType,
          FSpotCutOff,
          FSpotExponent,
          AbsolutePosition().ToPoint(),
          AbsoluteDirection().ToPoint()};
}

const TPropertyTable& TLight::ClassProperties() {
  using T = TLight;
  static const TPropertyTable table(
      &TControl3D::ClassProperties(),
      {OtherProperty("Enabled"), OtherProperty("Color"), OtherProperty("LightType"),
       FloatProperty<T>(
           "SpotCutOff", [](T& l) { return l.SpotCutOff(); },
           [](T& l, float v) { l.SetSpotCutOff(v); }),
       FloatProperty<T>(
           "SpotExponent", [](T& l) { return l.SpotExponent(); },
           [](T& l, float v) { l.SetSpotExponent(v); })});
  return table;
}

}  // namespace scene
