# Read by ctest after it has listed the end-to-end tests of e2e_tests (e2e_tests_TESTS):
# their labels, costs and processor counts by name.
# - smoke: the quick loop's few (scripts/test --quick): the window with the planet in place,
#   the context menu's Exit, the error boxes.
# - optimized: run in the release build only. The menu's tests time the scene against the open
#   menu, which a sanitized build draws too slowly for (the menu's logic runs under the
#   sanitizers in the unit tests); the 8K screen takes over a minute under AddressSanitizer and
#   reaches no code the other screens do not (the screen wider than the device does, and runs
#   there).
# A larger COST starts a test earlier, so the long ones do not end the run alone.
foreach(test IN LISTS e2e_tests_TESTS)
  set(labels e2e)
  set(processors 1)
  set(cost 10)
  if(test MATCHES "^Shell\\.(StartSceneAfterTheGlide|ErrorInATimerTick|WithoutOpenGl33)|^Menu\\.ShiftF10")
    list(APPEND labels smoke)
  endif()
  if(test MATCHES "^Menu\\.|Huge7680x4320")
    list(APPEND labels optimized)
  endif()
  if(test MATCHES "Huge7680x4320|BeyondTheDevice")
    # The rasterizer's threads fill both processors of a small machine.
    set(processors 2)
    set(cost 90)
  elseif(test MATCHES "^(Overlay|Screenshot|ScaledScreenshot|Scales|Keys|Recording)|MonitorsComeAndGo")
    set(cost 40)
  endif()
  set_tests_properties("${test}" PROPERTIES LABELS "${labels}" PROCESSORS ${processors} COST ${cost})
endforeach()
