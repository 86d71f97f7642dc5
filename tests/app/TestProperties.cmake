# Read by ctest after it has listed the tests of app_tests (app_tests_TESTS): the two days of
# turning take the longest of the unit tests (about 25 s under AddressSanitizer), so they start
# first rather than ending the run alone.
foreach(test IN LISTS app_tests_TESTS)
  if(test MATCHES "^LongRun\\.")
    set_tests_properties("${test}" PROPERTIES COST 100)
  endif()
endforeach()
