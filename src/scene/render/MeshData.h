// The generated geometry of a mesh: a vertex buffer and an index buffer forming a plain
// triangle list (three unsigned 32-bit indices a triangle).
//
// Each vertex is a position, a normal and one texture coordinate pair TexCoord0 (u, v), all
// 32-bit floats, packed in that order (the layout a device uploads as it is). The bounding box
// is computed when first asked for and kept until the mesh changes. Version changes with every
// change so that a device knows when to upload the buffers again; the device's buffers are
// held through DeviceData.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "scene/math/Point3D.h"
#include "scene/render/DeviceHandle.h"

namespace scene {

struct TTexCoord {
  float U = 0, V = 0;
  friend bool operator==(const TTexCoord&, const TTexCoord&) = default;
};

struct TMeshVertex {
  TPoint3D Position;
  TPoint3D Normal;
  TTexCoord TexCoord0;
};
static_assert(sizeof(TMeshVertex) == 32, "vertices are uploaded as packed floats");

struct TMeshBounds {
  TPoint3D Min, Max;
  TPoint3D Size() const { return Max - Min; }
};

class TMeshData {
 public:
  TMeshData() = default;
  TMeshData(const TMeshData&) = delete;
  TMeshData& operator=(const TMeshData&) = delete;

  const std::vector<TMeshVertex>& VertexBuffer() const { return FVertices; }
  const std::vector<std::uint32_t>& IndexBuffer() const { return FIndices; }
  int VertexCount() const { return static_cast<int>(FVertices.size()); }
  int IndexCount() const { return static_cast<int>(FIndices.size()); }

  // Replaces both buffers (the mesh's new geometry).
  void Assign(std::vector<TMeshVertex> vertices, std::vector<std::uint32_t> indices);

  // Minimum and maximum corner over all vertex positions; zero for an empty mesh.
  const TMeshBounds& GetBoundingBox() const;

  std::uint64_t Version() const { return FVersion; }
  // The device's copy of the buffers (owned by the device, see TDeviceHandle).
  std::unique_ptr<TDeviceHandle>& DeviceData() const { return FDeviceData; }

 private:
  std::vector<TMeshVertex> FVertices;
  std::vector<std::uint32_t> FIndices;
  mutable TMeshBounds FBox;
  mutable bool FBoxStale = true;
  std::uint64_t FVersion = 0;
  mutable std::unique_ptr<TDeviceHandle> FDeviceData;
};

}  // namespace scene
