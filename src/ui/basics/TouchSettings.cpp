#include "ui/basics/TouchSettings.h"

#include <array>

namespace ui {

namespace {

constexpr int GestureCount = static_cast<int>(TInteractiveGesture::DoubleTap) + 1;

// How many controls take each gesture.
std::array<int, GestureCount>& TakerCounts() {
  static std::array<int, GestureCount> counts{};
  return counts;
}

void CountTakers(TInteractiveGestures gestures, int change) {
  for (int g = 0; g < GestureCount; ++g)
    if (gestures.Contains(static_cast<TInteractiveGesture>(g))) TakerCounts()[g] += change;
}

}  // namespace

TTouchSettings::~TTouchSettings() {
  CountTakers(FInteractiveGestures, -1);
}

void TTouchSettings::SetInteractiveGestures(TInteractiveGestures gestures) {
  // Only the gestures the recognizer knows; higher bits would fall outside the counts.
  gestures = gestures * TInteractiveGestures::FromBits((1u << GestureCount) - 1);
  CountTakers(FInteractiveGestures, -1);
  FInteractiveGestures = gestures;
  CountTakers(FInteractiveGestures, +1);
}

TInteractiveGestures EnabledInteractiveGestures() {
  TInteractiveGestures enabled;
  for (int g = 0; g < GestureCount; ++g)
    if (TakerCounts()[g] > 0) enabled.Include(static_cast<TInteractiveGesture>(g));
  return enabled;
}

}  // namespace ui
