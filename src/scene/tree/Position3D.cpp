#include "scene/tree/Position3D.h"

namespace scene {

void TPosition3D::Changed(const TNotify& own) {
  if (own)
    own(*this);
  else if (OnChange)
    OnChange(*this);
}

void TPosition3D::SetX(float v) {
  if (v == FValue.X) return;
  FValue.X = v;
  Changed(OnChangeX);
}

void TPosition3D::SetY(float v) {
  if (v == FValue.Y) return;
  FValue.Y = v;
  Changed(OnChangeY);
}

void TPosition3D::SetZ(float v) {
  if (v == FValue.Z) return;
  FValue.Z = v;
  Changed(OnChangeZ);
}

void TPosition3D::SetPoint(const TPoint3D& p) {
  FValue = p;
  if (OnChange) OnChange(*this);
}

const TPropertyTable& TPosition3D::ClassProperties() {
  static const TPropertyTable table(
      &TPropertyHolder::ClassProperties(),
      {FloatProperty<TPosition3D>(
           "X", [](TPosition3D& p) { return p.X(); }, [](TPosition3D& p, float v) { p.SetX(v); }),
       FloatProperty<TPosition3D>(
           "Y", [](TPosition3D& p) { return p.Y(); }, [](TPosition3D& p, float v) { p.SetY(v); }),
       FloatProperty<TPosition3D>(
           "Z", [](TPosition3D& p) { return p.Z(); }, [](TPosition3D& p, float v) { p.SetZ(v); }),
       OtherProperty("Point")});
  return table;
}

}  // namespace scene
