#include "scene/render/Material.h"

#include "scene/render/ColorMaterial.h"
#include "scene/render/ShaderInputs.h"

namespace scene {

namespace {

std::uint64_t NextMaterialOrder = 0;  // user-interface thread only

}  // namespace

TMaterial::TMaterial() : FOrder(++NextMaterialOrder) {}

void TColorMaterial::Apply(TContext3D& /*context*/, float opacity, TShaderInputs& inputs) const {
  const TColorFloats c = ColorToFloats(FColor);
  inputs.VertexProgram = "nolight.fvs";
  inputs.PixelProgram = "gouraud.fps";
  inputs.SetVector("MaterialEmission", c.R, c.G, c.B, 1);
  inputs.SetVector("MaterialAmbient", 0, 0, 0, 0);
  inputs.SetVector("Opacity", opacity * c.A, 0, 0, 0);
  inputs.SetVector("Modulation", 0, 0, 0, 0);
  inputs.OpaqueOutput = opacity >= 1 && c.A >= 1;
}

}  // namespace scene
