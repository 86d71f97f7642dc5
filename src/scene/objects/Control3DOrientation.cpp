// The orientation of a 3D object: turns by the change of one RotationAngle coordinate (or of
// the whole triple) multiplied into the stored quaternion, the local matrix made from scale,
// orientation and position, and the quaternion's text form as saved with a scene.
#include "scene/objects/Control3D.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace scene {

float ReduceAngle(float v) {
  // k is the single-precision value of 1/360; the rest runs in extended precision.
  const long double k = static_cast<float>(1.0 / 360.0);
  const long double x = v;
  long double r = x - 360.0L * std::trunc(x * k);
  if (r < 0) r += 360.0L;
  return static_cast<float>(r);
}

namespace {

bool SameValue(float a, float b, float epsilon) {
  return std::fabs(static_cast<double>(a) - static_cast<double>(b)) <= static_cast<double>(epsilon);
}

bool AllNear(const TPosition3D& p, float value, float epsilon) {
  return SameValue(p.X(), value, epsilon) && SameValue(p.Y(), value, epsilon) &&
         SameValue(p.Z(), value, epsilon);
}

float& Component(TPoint3D& p, TAxis axis) {
  return axis == TAxis::X ? p.X : axis == TAxis::Y ? p.Y : p.Z;
}

TPoint3D AxisVector(TAxis axis) {
  return axis == TAxis::X   ? TPoint3D{1, 0, 0}
         : axis == TAxis::Y ? TPoint3D{0, 1, 0}
                            : TPoint3D{0, 0, 1};
}

}  // namespace

void TControl3D::ApplyAxisAngle(TAxis axis) {
  TPoint3D written = FRotationAngle.Point();
  const float v = Component(written, axis);
  const float delta = ReduceAngle(v - Component(FSavedRotationAngle, axis));
  if (delta == 0) return;
  FQuaternion = FQuaternion * TQuaternion3D::FromAxisAngle(AxisVector(axis), delta);
  // The reset test inside sees the coordinate as written, not yet reduced.
  RebuildLocalMatrix();
  Component(FSavedRotationAngle, axis) = v;
  TPoint3D reduced = FRotationAngle.Point();
  Component(reduced, axis) = ReduceAngle(v);
  FRotationAngle.SetPoint3DNoChange(reduced);
}

void TControl3D::ApplyAngleTriple() {
  const TPoint3D written = FRotationAngle.Point();
  TPoint3D reduced = written;
  bool turned = false;
  for (TAxis axis : {TAxis::X, TAxis::Y, TAxis::Z}) {
    TPoint3D w = written;
    const float delta = ReduceAngle(Component(w, axis) - Component(FSavedRotationAngle, axis));
    if (delta == 0) continue;
    FQuaternion = FQuaternion * TQuaternion3D::FromAxisAngle(AxisVector(axis), delta);
    Component(reduced, axis) = ReduceAngle(Component(w, axis));
    turned = true;
  }
  if (!turned) return;
  FSavedRotationAngle = written;
  FRotationAngle.SetPoint3DNoChange(reduced);
  RebuildLocalMatrix();
}

void TControl3D::ResetRotationAngle() {
  FQuaternion = TQuaternion3D::Identity();
  RebuildLocalMatrix();
  FRotationAngle.SetPoint3DNoChange({0, 0, 0});
  FSavedRotationAngle = {0, 0, 0};
}

void TControl3D::RebuildLocalMatrix() {
  TMatrix3D l;
  if (!AllNear(FScale, 1, 0.0001f)) l = l * TMatrix3D::Scaling(FScale.Point());
  if (AllNear(FRotationAngle, 0, 0.0001f)) {
    FSavedRotationAngle = {0, 0, 0};
    FQuaternion = TQuaternion3D::Identity();
  } else {
    const TMatrix3D r = FQuaternion.ToMatrix();
    if (AllNear(FRotationCenter, 0, 0.001f)) {
      l = l * r;
    } else {
      const TPoint3D c = FRotationCenter.Point();
      l = l * (TMatrix3D::Translation(-c) * r * TMatrix3D::Translation(c));
    }
  }
  if (!AllNear(FPosition, 0, 0.001f)) l = l * TMatrix3D::Translation(FPosition.Point());
  FLocalMatrix = l;
  MarkAbsoluteStale();
  RebuildRenderList();
  Repaint();
}

// --- the saved orientation text --------------------------------------------------------------

void TControl3D::ReadQuanternion(std::string_view text) {
  auto isDelimiter = [](char c) { return c == '(' || c == ',' || c == ')'; };
  float* targets[4] = {&FQuaternion.ImagPart.X, &FQuaternion.ImagPart.Y, &FQuaternion.ImagPart.Z,
                       &FQuaternion.RealPart};
  size_t pos = 0;
  // Skip the piece before the first delimiter.
  while (pos < text.size() && !isDelimiter(text[pos]))
    ++pos;
  for (float* target : targets) {
    if (pos >= text.size()) return;  // too short
    const size_t start = ++pos;
    while (pos < text.size() && !isDelimiter(text[pos]))
      ++pos;
    std::string_view piece = text.substr(start, pos - start);
    while (!piece.empty() && piece.front() == ' ')
      piece.remove_prefix(1);
    while (!piece.empty() && piece.back() == ' ')
      piece.remove_suffix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
    if (piece.empty() || error != std::errc() || end != piece.data() + piece.size()) return;
    // A value no single can hold (beyond its range, infinite, not a number) is not read: it
    // would leave an orientation that turns everything into nothing.
    if (!std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max()) return;
    *target = static_cast<float>(value);
  }
}

namespace {

// General notation with up to 15 significant digits and a plain exponent ("E-8", not "E-08").
std::string FormatGeneral15(float value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15G", static_cast<double>(value));
  std::string s = buffer;
  const size_t e = s.find('E');
  if (e == std::string::npos) return s;
  std::string mantissa = s.substr(0, e);
  std::string exponent = s.substr(e + 1);
  std::string sign;
  if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
    if (exponent[0] == '-') sign = "-";
    exponent.erase(0, 1);
  }
  while (exponent.size() > 1 && exponent[0] == '0')
    exponent.erase(0, 1);
  return mantissa + "E" + sign + exponent;
}

}  // namespace

std::string TControl3D::QuanternionText() const {
  std::string text = "(";
  const float parts[4] = {FQuaternion.ImagPart.X, FQuaternion.ImagPart.Y, FQuaternion.ImagPart.Z,
                          FQuaternion.RealPart};
  for (int i = 0; i < 4; ++i) {
    if (i > 0) text += ',';
    text += FormatGeneral15(parts[i]);
  }
  text += ')';
  return text;
}

}  // namespace scene
