#include "scene/objects/Control3D.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "scene/materials/Material.h"
#include "scene/render/Context3D.h"
#include "scene/render/SceneHost.h"

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

TControl3D::TControl3D() {
  auto rebuild = [this](TPosition3D&) { RebuildLocalMatrix(); };
  FPosition.OnChange = rebuild;
  FScale.OnChange = rebuild;
  FRotationCenter.OnChange = rebuild;
  FRotationAngle.OnChangeX = [this](TPosition3D&) { ApplyAxisAngle(TAxis::X); };
  FRotationAngle.OnChangeY = [this](TPosition3D&) { ApplyAxisAngle(TAxis::Y); };
  FRotationAngle.OnChangeZ = [this](TPosition3D&) { ApplyAxisAngle(TAxis::Z); };
  FRotationAngle.OnChange = [this](TPosition3D&) { ApplyAngleTriple(); };
}

TControl3D::~TControl3D() {
  SetViewport(nullptr);
}

// --- orientation -----------------------------------------------------------------------------

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

// --- matrices --------------------------------------------------------------------------------

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

void TControl3D::MarkAbsoluteStale() {
  // A stale object never has an up-to-date descendant (reading a child brings its ancestors up
  // to date first), so the walk can stop at an object that is already stale.
  if (FRecalcAbsolute) return;
  FRecalcAbsolute = true;
  for (TSceneNode* child : Children())
    if (auto* c = dynamic_cast<TControl3D*>(child)) c->MarkAbsoluteStale();
}

const TMatrix3D& TControl3D::AbsoluteMatrix() const {
  if (FRecalcAbsolute) {
    FAbsoluteMatrix = FParent3D ? FLocalMatrix * FParent3D->AbsoluteMatrix() : FLocalMatrix;
    FInvAbsoluteMatrix = FAbsoluteMatrix.Inverse();
    FRecalcAbsolute = false;
  }
  return FAbsoluteMatrix;
}

const TMatrix3D& TControl3D::InvertAbsoluteMatrix() const {
  AbsoluteMatrix();
  return FInvAbsoluteMatrix;
}

TPoint3D TControl3D::LocalToAbsolute3D(const TPoint3D& p) const {
  return TransformPoint(p, AbsoluteMatrix());
}

TPoint3D TControl3D::AbsoluteToLocal3D(const TPoint3D& p) const {
  return TransformPoint(p, InvertAbsoluteMatrix());
}

TVector3D TControl3D::LocalToAbsoluteVector(const TVector3D& v) const {
  return Transform(v, AbsoluteMatrix());
}

TVector3D TControl3D::AbsoluteToLocalVector(const TVector3D& v) const {
  return Transform(v, InvertAbsoluteMatrix());
}

TVector3D TControl3D::LocalToAbsoluteDirection(const TVector3D& v) const {
  const TPoint3D d = Normalize(Transform({v.X, v.Y, v.Z, 0}, AbsoluteMatrix()).ToPoint());
  return {d.X, d.Y, d.Z, 0};
}

TVector3D TControl3D::AbsoluteToLocalDirection(const TVector3D& v) const {
  const TPoint3D d = Normalize(Transform({v.X, v.Y, v.Z, 0}, InvertAbsoluteMatrix()).ToPoint());
  return {d.X, d.Y, d.Z, 0};
}

// --- size and drawing state ------------------------------------------------------------------

void TControl3D::SetWidth(float v) {
  if (v == FWidth) return;
  FWidth = v;
  SizeChanged();
  if (!IsLoading()) Repaint();
}

void TControl3D::SetHeight(float v) {
  if (v == FHeight) return;
  FHeight = v;
  SizeChanged();
  if (!IsLoading()) Repaint();
}

void TControl3D::SetDepth(float v) {
  if (v == FDepth) return;
  FDepth = v;
  SizeChanged();
  if (!IsLoading()) Repaint();
}

void TControl3D::Repaint() {
  if (FVisible && FViewport && !IsDestroying() && !IsUpdating()) FViewport->RequestRender();
}

void TControl3D::SetVisible(bool v) {
  if (v == FVisible) return;
  FVisible = v;
  // Hiding must also be seen, so this asks the viewport directly.
  if (FViewport && !IsDestroying()) FViewport->RequestRender();
}

void TControl3D::SetZWrite(bool v) {
  if (v == FZWrite) return;
  FZWrite = v;
  Repaint();
}

void TControl3D::SetTwoSide(bool v) {
  if (v == FTwoSide) return;
  FTwoSide = v;
  Repaint();
}

void TControl3D::SetOpaque(bool v) {
  if (v == FOpaque) return;
  FOpaque = v;
  Repaint();
}

void TControl3D::SetOpacity(float v) {
  if (v == FOpacity) return;
  FOpacity = v;
  Repaint();
}

float TControl3D::AbsoluteOpacity() const {
  return FParent3D ? FOpacity * FParent3D->AbsoluteOpacity() : FOpacity;
}

void TControl3D::SetProjection(TProjectionKind p) {
  if (p == FProjection) return;
  FProjection = p;
  Repaint();
}

// --- tree ------------------------------------------------------------------------------------

void TControl3D::SetViewport(ISceneHost* viewport) {
  if (viewport == FViewport) return;
  ISceneHost* old = std::exchange(FViewport, viewport);
  ViewportChanged(old);
  for (TSceneNode* child : Children())
    if (auto* c = dynamic_cast<TControl3D*>(child)) c->SetViewport(viewport);
}

void TControl3D::ParentChanged() {
  FParent3D = dynamic_cast<TControl3D*>(Parent());
  SetViewport(FParent3D ? FParent3D->Viewport() : dynamic_cast<ISceneHost*>(Parent()));
  MarkAbsoluteStale();
}

void TControl3D::ChildAdded(TSceneNode* child) {
  if (dynamic_cast<TControl3D*>(child)) RebuildRenderList();
}

void TControl3D::ChildRemoved(TSceneNode* child) {
  if (dynamic_cast<TControl3D*>(child)) RebuildRenderList();
}

void TControl3D::UpdateEnded() {
  RebuildRenderList();
}

void TControl3D::LoadingFinished() {
  RebuildLocalMatrix();
}

void TControl3D::RebuildRenderList() {
  if (IsUpdating()) return;
  BuildRenderingList(*this, FViewport ? FViewport->Context() : nullptr, FRenderList);
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

// --- published properties --------------------------------------------------------------------

const TPropertyTable& TControl3D::ClassProperties() {
  using T = TControl3D;
  static const TPropertyTable table(
      &TSceneNode::ClassProperties(),
      {ObjectProperty<T>("Position", [](T& o) -> TPropertyHolder* { return &o.Position(); }),
       ObjectProperty<T>("Scale", [](T& o) -> TPropertyHolder* { return &o.Scale(); }),
       ObjectProperty<T>("RotationAngle",
                         [](T& o) -> TPropertyHolder* { return &o.RotationAngle(); }),
       ObjectProperty<T>("RotationCenter",
                         [](T& o) -> TPropertyHolder* { return &o.RotationCenter(); }),
       FloatProperty<T>(
           "Width", [](T& o) { return o.Width(); }, [](T& o, float v) { o.SetWidth(v); }),
       FloatProperty<T>(
           "Height", [](T& o) { return o.Height(); }, [](T& o, float v) { o.SetHeight(v); }),
       FloatProperty<T>(
           "Depth", [](T& o) { return o.Depth(); }, [](T& o, float v) { o.SetDepth(v); }),
       FloatProperty<T>(
           "Opacity", [](T& o) { return o.Opacity(); }, [](T& o, float v) { o.SetOpacity(v); }),
       OtherProperty("Visible"), OtherProperty("HitTest"), OtherProperty("ZWrite"),
       OtherProperty("TwoSide"), OtherProperty("Opaque"), OtherProperty("Projection"),
       OtherProperty("Quanternion")});
  return table;
}

// --- drawing order ---------------------------------------------------------------------------

namespace {

// Negative when `l` is drawn before `r`, positive when after, 0 when the order does not matter.
int RenderingCompare(const TControl3D* l, const TControl3D* r, const TContext3D* context) {
  const TMaterial* ml = l->RenderMaterial();
  const TMaterial* mr = r->RenderMaterial();
  if (ml != mr) {
    if (!ml) return -1;
    if (!mr) return 1;
    return ml->Order() < mr->Order() ? -1 : 1;
  }
  if (!l->ZWrite() || !r->ZWrite()) return 0;
  const bool lFaded = l->Opacity() < 1, rFaded = r->Opacity() < 1;
  if (lFaded != rFaded) return lFaded ? 1 : -1;
  if (!context || !l->Viewport() || !r->Viewport()) return 0;
  const TMatrix3D& camera = context->CurrentCameraMatrix();
  const TPoint3D eye{camera.m41, camera.m42, camera.m43};
  const float dl = Length(l->AbsolutePosition().ToPoint() - eye);
  const float dr = Length(r->AbsolutePosition().ToPoint() - eye);
  const bool lNan = std::isnan(dl), rNan = std::isnan(dr);
  if (lNan || rNan) return lNan && rNan ? 0 : (lNan ? -1 : 1);
  return static_cast<int>(std::trunc(dr - dl));  // the farther object first
}

// In-place quicksort that does not keep equal objects in their order: the drawing order of a
// scene depends on exactly these swaps.
void QuickSort(std::vector<TControl3D*>& v, int lo, int hi, const TContext3D* context) {
  if (lo >= hi) return;
  do {
    if (hi - lo == 1) {
      if (RenderingCompare(v[lo], v[hi], context) > 0) std::swap(v[lo], v[hi]);
      break;
    }
    int i = lo, j = hi;
    TControl3D* pivot = v[lo + (hi - lo) / 2];
    do {
      while (RenderingCompare(v[i], pivot, context) < 0)
        ++i;
      while (RenderingCompare(v[j], pivot, context) > 0)
        --j;
      if (i <= j) {
        if (i != j) std::swap(v[i], v[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - lo > hi - i) {
      if (i < hi) QuickSort(v, i, hi, context);
      hi = j;
    } else {
      if (lo < j) QuickSort(v, lo, j, context);
      lo = i;
    }
  } while (lo < hi);
}

}  // namespace

void BuildRenderingList(const TSceneNode& owner, const TContext3D* context,
                        std::vector<TControl3D*>& list) {
  list.clear();
  for (TSceneNode* child : owner.Children())
    if (auto* c = dynamic_cast<TControl3D*>(child)) list.push_back(c);
  QuickSort(list, 0, static_cast<int>(list.size()) - 1, context);
}

}  // namespace scene
