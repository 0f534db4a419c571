# The planner's route: route points and their editing, the pick list, and the route file
# map_internal.adf (its grammar is the definition library's).
add_library(trevalo_route STATIC
  src/route/grid_cell_tag.cpp
  src/route/pick_list.cpp
  src/route/pick_list_entry.cpp
  src/route/route_editing.cpp
  src/route/route_file.cpp
  src/route/route_file_reader.cpp
  src/route/route_file_writer.cpp
  src/route/route_point.cpp
  src/route/route_validation.cpp
)
target_include_directories(trevalo_route
  PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include
  PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src/route)
target_link_libraries(trevalo_route
  PUBLIC trevalo_navdb trevalo_navmath adf Aerodrex Beaconex Scenrix QuilletPlatform)

if(QUILLET_TESTS)
  # The database world with a route wired to fakes of the dialogs, pages and view, shared
  # by the route tests and the map dialogs' tests.
  add_library(route_test_fixture STATIC tests/route/route_fixture.cpp)
  target_include_directories(route_test_fixture
    PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/tests/route ${CMAKE_CURRENT_SOURCE_DIR}/src/route)
  target_link_libraries(route_test_fixture PUBLIC trevalo_route navdb_test_world)
endif()

quillet_add_tests(route_tests
  SOURCES
    tests/route/grid_cell_tag_tests.cpp
    tests/route/pick_list_entry_tests.cpp
    tests/route/pick_list_tests.cpp
    tests/route/route_editing_tests.cpp
    tests/route/route_file_tests.cpp
    tests/route/route_validation_tests.cpp
  LIBS route_test_fixture)

if(QUILLET_FUZZ)
  quillet_add_fuzzer(route_file_fuzz SOURCES fuzz/route_file_fuzz.cpp LIBS trevalo_route)
endif()
