// Moving the keyboard focus with Tab and Shift+Tab.
//
// The tab stops of a window are its controls that can take the focus (a button) and are
// shown and enabled, parents included. They are visited container by container: the children
// of each control (and of the window) in ascending TabOrder, those without one after those
// with one, ties in child order; a container's own children come where the container stands.
// The style copies inside styled controls are never stops.
#pragma once

#include <vector>

#include "scene/tree/SceneNode.h"

namespace ui {

class TControl;

// The tab stops under `owner` (a window or a control), in tab order.
std::vector<TControl*> TabStops(scene::TSceneNode& owner);

// The stop after `from` in the window's tab order (before it when `backwards`), wrapping
// around; the first stop (the last when `backwards`) when `from` is null or not a stop.
// Null when the window has no stops.
TControl* NextTabStop(scene::TSceneNode& window, scene::TSceneNode* from, bool backwards);

}  // namespace ui
