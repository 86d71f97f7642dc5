// A control's touch settings: the gestures it takes.
//
// The touch recognizer recognises only the gestures some control takes: the union of the
// InteractiveGestures of every living control, kept by a program-wide count per gesture that
// these settings update when they change and when their control is freed.
#pragma once

#include "ui/basics/GestureEvent.h"

namespace ui {

class TTouchSettings {
 public:
  TTouchSettings() = default;
  ~TTouchSettings();
  TTouchSettings(const TTouchSettings&) = delete;
  TTouchSettings& operator=(const TTouchSettings&) = delete;

  TInteractiveGestures InteractiveGestures() const { return FInteractiveGestures; }
  void SetInteractiveGestures(TInteractiveGestures gestures);

 private:
  TInteractiveGestures FInteractiveGestures;
};

// The gestures that at least one living control takes (user-interface thread only).
TInteractiveGestures EnabledInteractiveGestures();

}  // namespace ui
