// The owned, change-notifying triple behind Position, Scale, RotationAngle and RotationCenter.
//
// Three write paths: a coordinate setter (ignored when the value is unchanged, else stores it
// and calls that coordinate's reaction, or OnChange when none is set); SetPoint (stores all
// three and always calls OnChange); SetPoint3DNoChange (stores and calls nothing).
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
