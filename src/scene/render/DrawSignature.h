// What a run of draws hands to the device, written down instead of drawn: the states set, and
// for each draw its mesh (and the mesh's version), programs, texture and every shader input,
// bit for bit. Two equal signatures draw the same pixels on the same target, so a picture kept
// from the first may stand for the second.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace scene {

class TDrawSignature {
 public:
  // Every draw written down replaces the pixels it covers (none blends with what lies there).
  bool Replaces = true;

  void Clear() {
    FBytes.clear();
    Replaces = true;
  }
  bool IsEmpty() const { return FBytes.empty(); }

  template <class T>
  void Add(const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    FBytes.append(reinterpret_cast<const char*>(&value), sizeof value);
  }
  void AddText(std::string_view text) {
    Add(text.size());
    FBytes.append(text);
  }

  friend bool operator==(const TDrawSignature&, const TDrawSignature&) = default;

 private:
  std::string FBytes;
};

}  // namespace scene
