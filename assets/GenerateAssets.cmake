# Build-time step (cmake -P) that fills OUTPUT_DIR with the generated PNGs.
#
# The pictures depend only on the generator's source, so they are kept in a cache folder keyed
# by a hash of those sources and of the compiler: a fresh build tree or a second build
# configuration copies them instead of spending half a minute regenerating them.
#
# Inputs: GENERATOR (executable), OUTPUT_DIR, CACHE_DIR (empty: no cache), SOURCES (paths
# joined with "|"), COMPILER (identification string), FILES (names of the files the generator
# writes, joined with "|"), THREADS, STAMP (file touched when done).
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" SOURCES "${SOURCES}")
string(REPLACE "|" ";" FILES "${FILES}")

set(key_text "${COMPILER}")
list(SORT SOURCES)
foreach(source IN LISTS SOURCES)
  file(SHA256 "${source}" hash)
  get_filename_component(name "${source}" NAME)
  string(APPEND key_text "|${name}:${hash}")
endforeach()
string(SHA256 key "${key_text}")
string(SUBSTRING "${key}" 0 24 key)

set(cached "")
if(CACHE_DIR)
  set(cached "${CACHE_DIR}/${key}")
endif()

file(MAKE_DIRECTORY "${OUTPUT_DIR}")
if(cached AND EXISTS "${cached}/complete")
  message(STATUS "Scene images: taken from the cache ${cached}")
  foreach(f IN LISTS FILES)
    file(COPY_FILE "${cached}/${f}" "${OUTPUT_DIR}/${f}")
  endforeach()
else()
  message(STATUS "Scene images: generating (cache key ${key})")
  execute_process(COMMAND "${GENERATOR}" "${OUTPUT_DIR}" --threads "${THREADS}"
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "orvane_asset_gen failed: ${result}")
  endif()
  if(cached)
    # Filled under a private name and renamed, so concurrent builds never see half a folder.
    string(RANDOM LENGTH 8 suffix)
    set(partial "${cached}.partial-${suffix}")
    file(MAKE_DIRECTORY "${partial}")
    foreach(f IN LISTS FILES)
      file(COPY_FILE "${OUTPUT_DIR}/${f}" "${partial}/${f}")
    endforeach()
    file(WRITE "${partial}/complete" "${key_text}\n")
    # rename(2) never replaces a non-empty folder: if another build got there first, its copy
    # stays and ours is dropped.
    file(RENAME "${partial}" "${cached}" RESULT rename_result)
    if(NOT rename_result STREQUAL "0")
      file(REMOVE_RECURSE "${partial}")
    endif()
    # Keep the four newest versions; older ones only take space.
    file(GLOB entries LIST_DIRECTORIES true "${CACHE_DIR}/*")
    set(dated "")
    foreach(entry IN LISTS entries)
      if(IS_DIRECTORY "${entry}" AND EXISTS "${entry}/complete" AND NOT entry MATCHES "partial-")
        file(TIMESTAMP "${entry}/complete" when "%Y%m%d%H%M%S" UTC)
        list(APPEND dated "${when}|${entry}")
      endif()
    endforeach()
    list(SORT dated ORDER DESCENDING)
    list(LENGTH dated count)
    if(count GREATER 4)
      list(SUBLIST dated 4 -1 stale)
      foreach(item IN LISTS stale)
        string(REGEX REPLACE "^[0-9]+\\|" "" old_entry "${item}")
        file(REMOVE_RECURSE "${old_entry}")
      endforeach()
    endif()
  endif()
endif()
foreach(f IN LISTS FILES)
  file(TOUCH "${OUTPUT_DIR}/${f}")
endforeach()
file(TOUCH "${STAMP}")
