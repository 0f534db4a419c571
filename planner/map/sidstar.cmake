# The planner's SID/STAR procedures: the tile files under "SidStar\", their records and
# legs, and the plain logic of the selection and editor dialogs.
add_library(trevalo_sidstar STATIC
  src/sidstar/leg_fields.cpp
  src/sidstar/leg_line.cpp
  src/sidstar/lookups.cpp
  src/sidstar/procedure_limits.cpp
  src/sidstar/recalculate.cpp
  src/sidstar/runway_designators.cpp
  src/sidstar/selection.cpp
  src/sidstar/store.cpp
  src/sidstar/tile_file_name.cpp
  src/sidstar/tile_file_reader.cpp
  src/sidstar/tile_file_writer.cpp
  src/sidstar/tile_messages.cpp
)
target_include_directories(trevalo_sidstar
  PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include
  PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)
target_link_libraries(trevalo_sidstar
  PUBLIC Aerodrex Beaconex Scenrix trevalo_navdb trevalo_navmath QuilletPlatform)

quillet_add_tests(sidstar_tests
  SOURCES
    tests/sidstar/leg_fields_tests.cpp
    tests/sidstar/leg_line_tests.cpp
    tests/sidstar/lookups_tests.cpp
    tests/sidstar/recalculate_tests.cpp
    tests/sidstar/runway_designators_tests.cpp
    tests/sidstar/selection_tests.cpp
    tests/sidstar/store_tests.cpp
    tests/sidstar/tile_file_tests.cpp
  LIBS trevalo_sidstar platform_testing navdata_test_lines)

if(QUILLET_FUZZ)
  quillet_add_fuzzer(sidstar_tile_fuzz SOURCES fuzz/sidstar_tile_fuzz.cpp LIBS trevalo_sidstar)
endif()
