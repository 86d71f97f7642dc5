#include "scene/render/MeshData.h"

#include <algorithm>
#include <utility>

namespace scene {

namespace {
std::uint64_t NextMeshVersion = 0;  // user-interface thread only
}

void TMeshData::Assign(std::vector<TMeshVertex> vertices, std::vector<std::uint32_t> indices) {
  FVertices = std::move(vertices);
  FIndices = std::move(indices);
  FBoxStale = true;
  // Versions are unique across meshes, so a device handle can never mistake one mesh's
  // buffers for another's.
  FVersion = ++NextMeshVersion;
}

const TMeshBounds& TMeshData::GetBoundingBox() const {
  if (FBoxStale) {
    FBox = {};
    if (!FVertices.empty()) {
      FBox.Min = FBox.Max = FVertices.front().Position;
      for (const TMeshVertex& v : FVertices) {
        FBox.Min = {std::min(FBox.Min.X, v.Position.X), std::min(FBox.Min.Y, v.Position.Y),
                    std::min(FBox.Min.Z, v.Position.Z)};
        FBox.Max = {std::max(FBox.Max.X, v.Position.X), std::max(FBox.Max.Y, v.Position.Y),
                    std::max(FBox.Max.Z, v.Position.Z)};
      }
    }
    FBoxStale = false;
  }
  return FBox;
}

}  // namespace scene
