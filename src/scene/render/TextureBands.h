// A picture that hands out its rows in bands: the device fills its texture band by band
// through one small buffer, so no whole decoded copy of the picture ever exists. Bands may be
// read on any thread, in any order, any number of times (a texture lost with its device is
// filled again from the same source).
#pragma once

#include <cstdint>
#include <span>

namespace scene {

class TTextureBands {
 public:
  virtual ~TTextureBands() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Every alpha is 255.
  virtual bool Opaque() const = 0;
  // Rows per band; the last band may have fewer.
  virtual int BandRows() const = 0;
  int BandCount() const { return BandRows() > 0 ? (Height() + BandRows() - 1) / BandRows() : 0; }
  int RowsIn(int band) const {
    const int rows = Height() - band * BandRows();
    return rows < BandRows() ? rows : BandRows();
  }

  // Writes the band's rows, premultiplied RGBA, top row first, into `out` (at least
  // BandRows() * Width() * 4 bytes). False when the band cannot be read; `out` then holds no
  // meaningful pixels.
  virtual bool ReadBand(int band, std::span<std::uint8_t> out) const = 0;
};

}  // namespace scene
