// A plain colour, unlit: what an object without a material is drawn with (red by default).
#pragma once

#include "scene/math/AlphaColor.h"
#include "scene/render/Material.h"

namespace scene {

class TColorMaterial : public TMaterial {
 public:
  TAlphaColor Color() const { return FColor; }
  void SetColor(TAlphaColor c) { FColor = c; }

  // "nolight.fvs" with the colour as emission and no ambient, "gouraud.fps" without texture;
  // the colour's alpha joins the opacity so the output stays premultiplied.
  void Apply(TContext3D& context, float opacity, TShaderInputs& inputs) const override;

 private:
  TAlphaColor FColor = claRed;
};

}  // namespace scene
