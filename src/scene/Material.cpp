#include "scene/Material.h"

namespace scene {

namespace {
std::uint64_t NextMaterialOrder = 0;  // user-interface thread only
}

TMaterial::TMaterial() : FOrder(++NextMaterialOrder) {}

}  // namespace scene
