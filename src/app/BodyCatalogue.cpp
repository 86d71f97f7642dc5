#include "app/BodyCatalogue.h"

#include <stdexcept>

namespace app {

namespace {

constexpr std::array<std::string_view, BodyCount> Names = {
    "Orvane", "Mimas", "Enceladus", "Tethys", "Dione", "Rhea", "Titan", "Iapetus"};

// Each body's eleven values: mass, volume, diameter, density, surface gravity, rotation
// period, semi-major axis, orbital period, axial tilt, surface pressure, other.
using TValues = std::array<std::string_view, 11>;
constexpr std::array<TValues, BodyCount> Values = {{
    {"5.6834×10^26 kg", "8.2713×10^14 km³", "120,536 km", "0.687 g/cm³", "10.44 m/s²", "10h 33m",
     "1,433 million km", "10,759.22 d", "26.73°", "140 kPa", "62 moons"},
    {"37.493×10^18 kg", "32.600×10^6 km³", "396.4 km", "1.1479 g/cm³", "0.064 m/s²", "Synchronous",
     "185,539 km", "0.942 d", "0.0°", "none", "Moon of Orvane"},
    {"1.08022×10^20 kg", "67,113,076 km³", "504.2 km", "1.609 g/cm³", "0.113 m/s²", "1.370 d",
     "237,948 km", "1.370 d", "0.0°", "Trace", "Moon of Orvane"},
    {"6.17449×10^20 kg", "627×10^6 km³", "1062.2 km", "0.984 g/cm³", "0.146 m/s²", "Synchronous",
     "294,619 km", "1.887 d", "0.0°", "none", "Moon of Orvane"},
    {"1.095452×10^21 kg", "739×10^6 km³", "1,122 km", "1.478 g/cm³", "0.232 m/s²", "Synchronous",
     "377,396 km", "2.737 d", "0.0°", "none", "Moon of Orvane"},
    {"2.306518×10^21 kg", "1.864×10^9 km³", "1,527 km", "1.236 g/cm³", "0.264 m/s²", "Synchronous",
     "527,108 km", "4.518 d", "0.0°", "none", "Moon of Orvane"},
    // Titan orbits at 1,221,870 km (Rhea's 527,108 km is not its distance).
    {"1.3452×10^23 kg", "7.16×10^10 km³", "5,149 km", "1.8798 g/cm³", "1.352 m/s²", "Synchronous",
     "1,221,870 km", "15.945 d", "0.0°", "146.7 kPa", "Moon of Orvane"},
    {"1.805635×10^21 kg", "1.659×10^9 km³", "1,469 km", "1.088 g/cm³", "0.223 m/s²", "Synchronous",
     "3,560,820 km", "79.3215 d", "0.0°", "none", "Moon of Orvane"},
}};

std::string JoinLines(const TValues& values) {
  std::string text;
  for (size_t i = 0; i < values.size(); ++i) {
    if (i) text += '\n';
    text += values[i];
  }
  return text;
}

void CheckIndex(int index) {
  if (index < 1 || index > BodyCount) throw std::out_of_range("no body with that index");
}

}  // namespace

const std::string BodyCaptions =
    JoinLines({"            Mass:", "          Volume:", "        Diameter:", "         Density:",
               " Surface Gravity:", " Rotation Period:", " Semi-major Axis:", "  Orbital Period:",
               "      Axial Tilt:", "Surface Pressure:", "       Other:"});

std::string_view BodyName(int index) {
  CheckIndex(index);
  return Names[static_cast<size_t>(index - 1)];
}

std::string BodyEntry(int index) {
  CheckIndex(index);
  return JoinLines(Values[static_cast<size_t>(index - 1)]);
}

}  // namespace app
