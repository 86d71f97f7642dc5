// Angles of the bodies' turning in degrees.
#pragma once

#include <cmath>

namespace app::testing {

// A difference of angles wrapped into -180..180.
inline double Wrap(double degrees) {
  return degrees - 360 * std::round(degrees / 360);
}

}  // namespace app::testing
