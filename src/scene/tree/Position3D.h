// Three floats that report their changes: the storage behind a 3D object's Position, Scale,
// RotationAngle and RotationCenter. Its owner (the 3D object) creates and frees it and installs
// the reactions; a reaction left unset is not called.
//
// There are three ways to write, because the owner needs to tell them apart:
//   SetX, SetY, SetZ    an exactly equal value is ignored; a new one is stored and that
//                       coordinate's reaction runs (OnChangeX...), or OnChange when it has
//                       none. RotationAngle must know which axis was written; the others don't.
//   SetPoint            stores all three and always runs OnChange, without comparing.
//   SetPoint3DNoChange  stores without any reaction: the owner writing back a value it has
//                       already acted on (a rotation angle reduced to 0..360).
#pragma once

#include <functional>

#include "scene/math/Point3D.h"
#include "scene/tree/PropertyTable.h"

namespace scene {

class TPosition3D : public TPropertyHolder {
 public:
  using TNotify = std::function<void(TPosition3D& sender)>;

  explicit TPosition3D(const TPoint3D& defaultValue = {})
      : FDefault(defaultValue), FValue(defaultValue) {}
  TPosition3D(const TPosition3D&) = delete;
  TPosition3D& operator=(const TPosition3D&) = delete;

  float X() const { return FValue.X; }
  float Y() const { return FValue.Y; }
  float Z() const { return FValue.Z; }
  void SetX(float v);
  void SetY(float v);
  void SetZ(float v);

  TPoint3D Point() const { return FValue; }
  void SetPoint(const TPoint3D& p);
  void SetPoint3DNoChange(const TPoint3D& p) { FValue = p; }
  TVector3D Vector() const { return {FValue.X, FValue.Y, FValue.Z, 1}; }

  // The value given at creation; a coordinate equal to it is not written when a scene is saved.
  const TPoint3D& DefaultValue() const { return FDefault; }

  TNotify OnChange, OnChangeX, OnChangeY, OnChangeZ;

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 private:
  void Changed(const TNotify& own);

  TPoint3D FDefault;
  TPoint3D FValue;
};

}  // namespace scene
