// Gesture events in failure messages. Every test that compares events includes this, so that
// all of them print events alike.
#pragma once

#include <ostream>

#include "ui/basics/GestureEvent.h"

namespace ui {

inline void PrintTo(const TGestureEventInfo& e, std::ostream* os) {
  *os << "{id " << e.GestureID << " at (" << e.Location.X << ", " << e.Location.Y << ") flags "
      << e.Flags.Bits() << " distance " << e.Distance << "}";
}

}  // namespace ui
