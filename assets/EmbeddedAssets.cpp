#include "assets/EmbeddedAssets.h"

// Start and end symbols of each embedded file, defined by the generated assembler file that
// includes the files with .incbin.
#define ORVANE_ASSET_SYMBOLS(name)                     \
  extern "C" const std::uint8_t orvane_asset_##name[]; \
  extern "C" const std::uint8_t orvane_asset_##name##_end[];
ORVANE_ASSET_SYMBOLS(packed_planet)
ORVANE_ASSET_SYMBOLS(packed_mimas)
ORVANE_ASSET_SYMBOLS(packed_enceladus)
ORVANE_ASSET_SYMBOLS(packed_tethys)
ORVANE_ASSET_SYMBOLS(packed_dione)
ORVANE_ASSET_SYMBOLS(packed_rhea)
ORVANE_ASSET_SYMBOLS(packed_titan)
ORVANE_ASSET_SYMBOLS(packed_iapetus)
ORVANE_ASSET_SYMBOLS(packed_sky)
ORVANE_ASSET_SYMBOLS(packed_rings)
ORVANE_ASSET_SYMBOLS(packed_planet_small)
ORVANE_ASSET_SYMBOLS(packed_mimas_small)
ORVANE_ASSET_SYMBOLS(packed_enceladus_small)
ORVANE_ASSET_SYMBOLS(packed_tethys_small)
ORVANE_ASSET_SYMBOLS(packed_dione_small)
ORVANE_ASSET_SYMBOLS(packed_rhea_small)
ORVANE_ASSET_SYMBOLS(packed_titan_small)
ORVANE_ASSET_SYMBOLS(packed_iapetus_small)
ORVANE_ASSET_SYMBOLS(packed_sky_small)
ORVANE_ASSET_SYMBOLS(packed_rings_small)
ORVANE_ASSET_SYMBOLS(about)
ORVANE_ASSET_SYMBOLS(icon_16)
ORVANE_ASSET_SYMBOLS(icon_32)
ORVANE_ASSET_SYMBOLS(icon_48)
ORVANE_ASSET_SYMBOLS(icon_64)
ORVANE_ASSET_SYMBOLS(icon_128)
ORVANE_ASSET_SYMBOLS(icon_256)
#undef ORVANE_ASSET_SYMBOLS

namespace assets {
namespace {

struct TEntry {
  const char* Name;
  const std::uint8_t* Begin;
  const std::uint8_t* End;
};

#define ORVANE_ASSET_ENTRY(name)                          \
  TEntry {                                                \
#name, orvane_asset_##name, orvane_asset_##name##_end \
  }

#define ORVANE_PACKED_ENTRY(name)                                       \
  TEntry {                                                              \
#name, orvane_asset_packed_##name, orvane_asset_packed_##name##_end \
  }

// In TAssetId's order; the About picture last.
const TEntry Images[AssetCount] = {
    ORVANE_PACKED_ENTRY(planet), ORVANE_PACKED_ENTRY(mimas),   ORVANE_PACKED_ENTRY(enceladus),
    ORVANE_PACKED_ENTRY(tethys), ORVANE_PACKED_ENTRY(dione),   ORVANE_PACKED_ENTRY(rhea),
    ORVANE_PACKED_ENTRY(titan),  ORVANE_PACKED_ENTRY(iapetus), ORVANE_PACKED_ENTRY(sky),
    ORVANE_PACKED_ENTRY(rings),  ORVANE_ASSET_ENTRY(about)};

#define ORVANE_SMALL_ENTRY(name)                                                      \
  TEntry {                                                                            \
#name, orvane_asset_packed_##name##_small, orvane_asset_packed_##name##_small_end \
  }

// In TAssetId's order, Planet to Rings.
const TEntry SmallTextures[] = {ORVANE_SMALL_ENTRY(planet),    ORVANE_SMALL_ENTRY(mimas),
                                ORVANE_SMALL_ENTRY(enceladus), ORVANE_SMALL_ENTRY(tethys),
                                ORVANE_SMALL_ENTRY(dione),     ORVANE_SMALL_ENTRY(rhea),
                                ORVANE_SMALL_ENTRY(titan),     ORVANE_SMALL_ENTRY(iapetus),
                                ORVANE_SMALL_ENTRY(sky),       ORVANE_SMALL_ENTRY(rings)};
#undef ORVANE_SMALL_ENTRY
#undef ORVANE_PACKED_ENTRY

const TEntry Icons[IconSizes.size()] = {ORVANE_ASSET_ENTRY(icon_16),  ORVANE_ASSET_ENTRY(icon_32),
                                        ORVANE_ASSET_ENTRY(icon_48),  ORVANE_ASSET_ENTRY(icon_64),
                                        ORVANE_ASSET_ENTRY(icon_128), ORVANE_ASSET_ENTRY(icon_256)};
#undef ORVANE_ASSET_ENTRY

std::span<const std::uint8_t> SpanOf(const TEntry& e) {
  return {e.Begin, static_cast<std::size_t>(e.End - e.Begin)};
}

}  // namespace

std::span<const std::uint8_t> EmbeddedAboutPicture() {
  return SpanOf(Images[static_cast<int>(TAssetId::About)]);
}

std::span<const std::uint8_t> EmbeddedPackedTexture(TAssetId id) {
  const int i = static_cast<int>(id);
  if (i < 0 || i >= static_cast<int>(TAssetId::About)) return {};
  return SpanOf(Images[i]);
}

std::span<const std::uint8_t> EmbeddedSmallTexture(TAssetId id) {
  const int i = static_cast<int>(id);
  if (i < 0 || i >= static_cast<int>(TAssetId::About)) return {};
  return SpanOf(SmallTextures[i]);
}

const char* AssetName(TAssetId id) {
  const int i = static_cast<int>(id);
  if (i < 0 || i >= AssetCount) return "";
  return Images[i].Name;
}

std::span<const std::uint8_t> EmbeddedIcon(int size) {
  for (std::size_t i = 0; i < IconSizes.size(); ++i) {
    if (IconSizes[i] == size) return SpanOf(Icons[i]);
  }
  return {};
}

}  // namespace assets
