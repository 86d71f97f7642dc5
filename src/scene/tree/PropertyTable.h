// Published properties by name.
//
// Every scene class declares a static table of the properties a caller may reach by name
// (for example an animation's "RotationAngle.Y"). An entry either holds an object to descend
// into, a float read and written through the property's setter, or some other value that can
// be found but not animated. Names are matched ignoring ASCII letter case; a class's table
// falls back to its base class's table.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

namespace scene {

class TPropertyHolder;

enum class TPropertyKind { Object, Float, Other };

struct TPropertyInfo {
  std::string_view Name;
  TPropertyKind Kind = TPropertyKind::Other;
  TPropertyHolder* (*GetObject)(TPropertyHolder& self) = nullptr;  // Kind Object
  float (*GetFloat)(TPropertyHolder& self) = nullptr;              // Kind Float
  void (*SetFloat)(TPropertyHolder& self, float value) = nullptr;
};

bool SameTextAscii(std::string_view a, std::string_view b);

class TPropertyTable {
 public:
  TPropertyTable(const TPropertyTable* base, std::initializer_list<TPropertyInfo> entries)
      : FBase(base), FEntries(entries) {}

  // The entry named `name` (ASCII case ignored) of this class or a base class, or null.
  const TPropertyInfo* Find(std::string_view name) const;

 private:
  const TPropertyTable* FBase;
  std::vector<TPropertyInfo> FEntries;
};

// Helpers that keep table entries to one line each. `Get` and `Set` are captureless lambdas
// or functions taking the concrete class.
template <class T, class Get>
TPropertyInfo ObjectProperty(std::string_view name, Get) {
  return {name, TPropertyKind::Object,
          [](TPropertyHolder& self) -> TPropertyHolder* { return Get{}(static_cast<T&>(self)); }};
}

template <class T, class Get, class Set>
TPropertyInfo FloatProperty(std::string_view name, Get, Set) {
  return {name, TPropertyKind::Float, nullptr,
          [](TPropertyHolder& self) -> float { return Get{}(static_cast<T&>(self)); },
          [](TPropertyHolder& self, float v) { Set{}(static_cast<T&>(self), v); }};
}

inline TPropertyInfo OtherProperty(std::string_view name) {
  return {name};
}

// Base of everything that publishes properties.
class TPropertyHolder {
 public:
  virtual ~TPropertyHolder() = default;
  virtual const TPropertyTable& Properties() const;
  static const TPropertyTable& ClassProperties();
};

}  // namespace scene
