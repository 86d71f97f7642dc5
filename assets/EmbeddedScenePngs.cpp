// The scene textures' PNG files, as the generator wrote them: for the tests and tools that
// look at the pictures as files. The program carries the packed textures instead.
#include "assets/EmbeddedAssets.h"

#define ORVANE_PNG_SYMBOLS(name)                       \
  extern "C" const std::uint8_t orvane_asset_##name[]; \
  extern "C" const std::uint8_t orvane_asset_##name##_end[];
ORVANE_PNG_SYMBOLS(planet)
ORVANE_PNG_SYMBOLS(mimas)
ORVANE_PNG_SYMBOLS(enceladus)
ORVANE_PNG_SYMBOLS(tethys)
ORVANE_PNG_SYMBOLS(dione)
ORVANE_PNG_SYMBOLS(rhea)
ORVANE_PNG_SYMBOLS(titan)
ORVANE_PNG_SYMBOLS(iapetus)
ORVANE_PNG_SYMBOLS(sky)
ORVANE_PNG_SYMBOLS(rings)
#undef ORVANE_PNG_SYMBOLS

namespace assets {

std::span<const std::uint8_t> EmbeddedImage(TAssetId id) {
#define ORVANE_PNG_CASE(id, name) \
  case TAssetId::id:              \
    return {orvane_asset_##name,  \
            static_cast<std::size_t>(orvane_asset_##name##_end - orvane_asset_##name)};
  switch (id) {
    ORVANE_PNG_CASE(Planet, planet)
    ORVANE_PNG_CASE(Mimas, mimas)
    ORVANE_PNG_CASE(Enceladus, enceladus)
    ORVANE_PNG_CASE(Tethys, tethys)
    ORVANE_PNG_CASE(Dione, dione)
    ORVANE_PNG_CASE(Rhea, rhea)
    ORVANE_PNG_CASE(Titan, titan)
    ORVANE_PNG_CASE(Iapetus, iapetus)
    ORVANE_PNG_CASE(Sky, sky)
    ORVANE_PNG_CASE(Rings, rings)
    case TAssetId::About:
      return EmbeddedAboutPicture();
  }
#undef ORVANE_PNG_CASE
  return {};
}

}  // namespace assets
