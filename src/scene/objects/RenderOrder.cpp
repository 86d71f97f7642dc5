#include "scene/objects/RenderOrder.h"

#include <cmath>
#include <utility>

#include "scene/objects/Control3D.h"
#include "scene/render/Context3D.h"
#include "scene/render/Material.h"

namespace scene {

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
    if (auto* c = As3DObject(child)) list.push_back(c);
  QuickSort(list, 0, static_cast<int>(list.size()) - 1, context);
}

}  // namespace scene
