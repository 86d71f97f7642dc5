// The drawing order of the 3D objects below one owner (a 3D object or the viewport).
//
// Objects without a material come first, then the others by their material's Order. Among
// objects of the same material that both write depth, the faded ones (Opacity below 1) go
// after the others, and then, when a context gives the camera, the farther from the eye (by a
// whole unit or more) before the nearer. The sort is an in-place quicksort and not stable:
// objects it finds equal end up where its swaps leave them, and the scene's look depends on
// exactly that order, so it must not be replaced by another sort.
#pragma once

#include <vector>

namespace scene {

class TContext3D;
class TControl3D;
class TSceneNode;

// Fills `list` with the 3D children of `owner` in drawing order. `context` may be null (no
// camera yet); distances are then not compared.
void BuildRenderingList(const TSceneNode& owner, const TContext3D* context,
                        std::vector<TControl3D*>& list);

}  // namespace scene
