#include "assets/EmbeddedAssets.h"

// Start and end symbols of each embedded PNG, defined by the generated assembler file that
// includes the files with .incbin.
#define ORVANE_ASSET_SYMBOLS(name)                     \
  extern "C" const std::uint8_t orvane_asset_##name[]; \
  extern "C" const std::uint8_t orvane_asset_##name##_end[];
ORVANE_ASSET_SYMBOLS(planet)
ORVANE_ASSET_SYMBOLS(mimas)
ORVANE_ASSET_SYMBOLS(enceladus)
ORVANE_ASSET_SYMBOLS(tethys)
ORVANE_ASSET_SYMBOLS(dione)
ORVANE_ASSET_SYMBOLS(rhea)
ORVANE_ASSET_SYMBOLS(titan)
ORVANE_ASSET_SYMBOLS(iapetus)
ORVANE_ASSET_SYMBOLS(sky)
ORVANE_ASSET_SYMBOLS(rings)
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

const TEntry Images[AssetCount] = {
    ORVANE_ASSET_ENTRY(planet), ORVANE_ASSET_ENTRY(mimas),   ORVANE_ASSET_ENTRY(enceladus),
    ORVANE_ASSET_ENTRY(tethys), ORVANE_ASSET_ENTRY(dione),   ORVANE_ASSET_ENTRY(rhea),
    ORVANE_ASSET_ENTRY(titan),  ORVANE_ASSET_ENTRY(iapetus), ORVANE_ASSET_ENTRY(sky),
    ORVANE_ASSET_ENTRY(rings),  ORVANE_ASSET_ENTRY(about)};

const TEntry Icons[IconSizes.size()] = {ORVANE_ASSET_ENTRY(icon_16),  ORVANE_ASSET_ENTRY(icon_32),
                                        ORVANE_ASSET_ENTRY(icon_48),  ORVANE_ASSET_ENTRY(icon_64),
                                        ORVANE_ASSET_ENTRY(icon_128), ORVANE_ASSET_ENTRY(icon_256)};
#undef ORVANE_ASSET_ENTRY

std::span<const std::uint8_t> SpanOf(const TEntry& e) {
  return {e.Begin, static_cast<std::size_t>(e.End - e.Begin)};
}

}  // namespace

std::span<const std::uint8_t> EmbeddedImage(TAssetId id) {
  const int i = static_cast<int>(id);
  if (i < 0 || i >= AssetCount) return {};
  return SpanOf(Images[i]);
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
