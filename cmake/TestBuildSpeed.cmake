# Faster test builds: each test program of several files is compiled a few files at a time as
# one (a unity build), so GoogleTest's header and the templates the files share are compiled
# once for the batch instead of once a file; the release build's tests then take about two
# thirds of the time. The program's own sources are compiled file by file as always.
# -DORVANE_BATCHED_TESTS=OFF compiles the tests file by file too, to check that every file
# includes what it uses. A helper in a test file's unnamed namespace must not share its name
# with one of another file of the same program: shared helpers go in the folder's support
# headers.
option(ORVANE_BATCHED_TESTS "Compile the test programs a few files at a time as one" ON)
set(ORVANE_TEST_BATCH_SIZE 8 CACHE STRING "Test files compiled as one in a batch")

# Batches for the test programs of three files or more defined in DIRECTORY and below it.
function(orvane_batch_test_builds directory)
  if(NOT ORVANE_BATCHED_TESTS)
    return()
  endif()
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(sources ${target} SOURCES)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    list(LENGTH sources count)
    if(type STREQUAL "EXECUTABLE" AND count GREATER 2 AND libraries MATCHES "GTest::")
      set_target_properties(${target} PROPERTIES UNITY_BUILD ON
                                                 UNITY_BUILD_BATCH_SIZE ${ORVANE_TEST_BATCH_SIZE})
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    orvane_batch_test_builds(${subdirectory})
  endforeach()
endfunction()
