include(GoogleTest)

# A GoogleTest program for 32-bit Windows, run under Wine. Each test runs in a process of its own, so a
# plug-in that pins itself or rewrites game code in one test cannot leak into the next.
function(register_wine_tests target)
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    NO_PRETTY_VALUES
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# A test program with GoogleTest's own main.
function(add_wine_test target)
  add_executable(${target} ${ARGN})
  project_warnings(${target})
  target_link_libraries(${target} PRIVATE GTest::gtest_main GTest::gmock)
  register_wine_tests(${target})
endfunction()

# A test program that is the stand-in game: it owns the game's addresses and starts the stand-in before
# any test runs.
function(add_host_test target)
  add_executable(${target} ${ARGN})
  project_warnings(${target})
  target_link_libraries(${target} PRIVATE stand_in_host_main GTest::gmock)
  register_wine_tests(${target})
endfunction()
