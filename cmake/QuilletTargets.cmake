# quillet_add_tests(<name> SOURCES <files...> LIBS <targets...>)
# One test binary per library, registered with CTest case by case.
function(quillet_add_tests name)
  if(NOT QUILLET_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QUILLET_TEST_SOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}")
endfunction()

# quillet_add_fuzzer(<name> SOURCES <files...> LIBS <targets...>)
# A libFuzzer target; the target quillet_fuzzers builds them all.
function(quillet_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  if(NOT TARGET quillet_fuzzers)
    add_custom_target(quillet_fuzzers)
  endif()
  add_dependencies(quillet_fuzzers ${name})
endfunction()

# quillet_check_exports(<library target> <names file>)
# A CTest case that fails when the library stops exporting a listed name.
function(quillet_check_exports target names)
  if(NOT QUILLET_TESTS)
    return()
  endif()
  add_test(NAME ${target}.exports
    COMMAND ${PROJECT_SOURCE_DIR}/cmake/check_exports.sh $<TARGET_FILE:${target}> ${names})
endfunction()
