// A viewport stand-in for tests: counts render requests and keeps the sorted list of its
// 3D children, as the real viewport does on every add and remove.
#pragma once

#include <algorithm>
#include <vector>

#include "scene/objects/Control3D.h"
#include "scene/objects/RenderOrder.h"
#include "scene/render/SceneHost.h"
#include "scene/tree/SceneNode.h"

namespace scene::testing {

class TFakeViewport : public TSceneNode, public ISceneHost {
 public:
  int RenderRequests = 0;
  std::vector<TLight*> Lights;
  std::vector<TControl3D*> RenderingList;

  // Frees the 3D objects while this object is still whole: a light leaving unregisters here.
  ~TFakeViewport() override {
    SetDestroying();
    while (!Children().empty())
      delete Children().back();
  }

  void RequestRender() override { ++RenderRequests; }
  void AddLight(TLight* light) override { Lights.push_back(light); }
  void RemoveLight(TLight* light) override { std::erase(Lights, light); }
  TContext3D* Context() const override { return nullptr; }

 protected:
  void ChildAdded(TSceneNode*) override { BuildRenderingList(*this, nullptr, RenderingList); }
  void ChildRemoved(TSceneNode*) override { BuildRenderingList(*this, nullptr, RenderingList); }
};

}  // namespace scene::testing
