// A set of the values of a small enumeration (values 0 to 31), one bit per value: the
// gestures a control takes, the parts of a gesture an event stands for.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace ui {

template <class TEnum>
class TEnumSet {
 public:
  constexpr TEnumSet() = default;
  constexpr TEnumSet(std::initializer_list<TEnum> values) {
    for (TEnum v : values)
      Include(v);
  }
  // The set whose bit n stands for the value n.
  static constexpr TEnumSet FromBits(std::uint32_t bits) {
    TEnumSet s;
    s.FBits = bits;
    return s;
  }

  constexpr bool Contains(TEnum v) const { return (FBits & Bit(v)) != 0; }
  constexpr void Include(TEnum v) { FBits |= Bit(v); }
  constexpr void Exclude(TEnum v) { FBits &= ~Bit(v); }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr std::uint32_t Bits() const { return FBits; }

  // Union, difference and intersection.
  friend constexpr TEnumSet operator+(TEnumSet a, TEnumSet b) {
    return FromBits(a.FBits | b.FBits);
  }
  friend constexpr TEnumSet operator-(TEnumSet a, TEnumSet b) {
    return FromBits(a.FBits & ~b.FBits);
  }
  friend constexpr TEnumSet operator*(TEnumSet a, TEnumSet b) {
    return FromBits(a.FBits & b.FBits);
  }
  friend constexpr bool operator==(TEnumSet, TEnumSet) = default;

 private:
  static constexpr std::uint32_t Bit(TEnum v) {
    return std::uint32_t{1} << static_cast<unsigned>(v);
  }

  std::uint32_t FBits = 0;
};

}  // namespace ui
