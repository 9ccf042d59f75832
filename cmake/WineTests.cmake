# add_wine_test(<target> SOURCES <files...> [LIBRARIES <libs...>] [DISPLAY]
#               [PREFIX <text>])
#
# Builds a GoogleTest program and registers each of its tests with CTest; they
# run through Wine (the cross-compiling emulator). Wine exits 0 even when it
# cannot load a program, so a test passes only when the runner's own success
# line appears and no failure line does, and a "<target>.loads" test fails
# when the program lists no test at all.
# DISPLAY marks programs that use the screen, cursor or focus: they run one at
# a time so they do not fight over the shared X display.
# PREFIX goes before each test's name in CTest, for programs built from the
# same sources once per edition ("pelmo." in "pelmo.EditionResources.X").
include(GoogleTest)

function(add_wine_test target)
  cmake_parse_arguments(T "DISPLAY" "PREFIX" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${target} ${T_SOURCES})
  target_link_libraries(${target} PRIVATE ${T_LIBRARIES} test_support GTest::gmock GTest::gtest)
  set(lock "")
  if(T_DISPLAY)
    set(lock RESOURCE_LOCK x11_display)
  endif()
  gtest_discover_tests(${target}
    TEST_PREFIX "${T_PREFIX}"
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES
      TIMEOUT 300
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 1 test\\."
      FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
      ${lock})
  add_test(NAME ${target}.loads COMMAND ${target} --gtest_list_tests)
  set_tests_properties(${target}.loads PROPERTIES
    PASS_REGULAR_EXPRESSION "[A-Za-z0-9_/]\\.\n  [A-Za-z0-9_]"
    TIMEOUT 120)
endfunction()
