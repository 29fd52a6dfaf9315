# Test helpers shared by every subsystem.
#
#   ulmo_native_test(NAME SOURCES ... LIBS ...)  GoogleTest program run natively
#   ulmo_win32_test(NAME SOURCES ... LIBS ...)   GoogleTest program run under Wine
#
# Win32 tests share two CTest fixtures: a fresh copy of the Wine prefix and an Xvfb display,
# both made before the first test and ended (by PID) after the last. The Wine of the build's
# architecture runs them (win32 for i686, win64 for x86_64).

if(WIN32)
  if(NOT TARGET ulmo_gtest)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_library(ulmo_gtest INTERFACE)
    target_link_libraries(ulmo_gtest INTERFACE gtest_main gmock)
  endif()
else()
  find_package(GTest REQUIRED)
  add_library(ulmo_gtest INTERFACE)
  target_link_libraries(ulmo_gtest INTERFACE GTest::gtest_main GTest::gmock)
endif()

set(ULMO_TEST_STATE ${CMAKE_BINARY_DIR}/test-state)
set(ULMO_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/win32/wine-run.sh)
# CTest's time-out of a Wine test, and the runners' deadline inside it: a runner ends a
# program that outlives its deadline itself, so that what it printed is still shown.
set(ULMO_WINE_TEST_TIMEOUT 300)
math(EXPR ULMO_WINE_TEST_DEADLINE "${ULMO_WINE_TEST_TIMEOUT} - 30")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ULMO_WINE_ARCH win64)
else()
  set(ULMO_WINE_ARCH win32)
endif()

function(ulmo_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ulmo_gtest)
  add_test(NAME native.${name} COMMAND ${name})
  set_tests_properties(native.${name} PROPERTIES LABELS native
    ENVIRONMENT "ULMO_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;ULMO_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()

if(WIN32 AND NOT TARGET ulmo_fixture_marker)
  add_custom_target(ulmo_fixture_marker)
  add_test(NAME win32.fixture.start
    COMMAND ${CMAKE_SOURCE_DIR}/tests/win32/fixture.sh start ${ULMO_TEST_STATE} ${ULMO_WINE_TEMPLATE} ${ULMO_WINE_ARCH})
  add_test(NAME win32.fixture.stop
    COMMAND ${CMAKE_SOURCE_DIR}/tests/win32/fixture.sh stop ${ULMO_TEST_STATE})
  add_test(NAME win32.fixture.home_unchanged
    COMMAND ${CMAKE_SOURCE_DIR}/tests/win32/fixture.sh home ${ULMO_TEST_STATE})
  set_tests_properties(win32.fixture.start PROPERTIES FIXTURES_SETUP wine LABELS win32)
  set_tests_properties(win32.fixture.stop PROPERTIES FIXTURES_CLEANUP wine LABELS win32)
  set_tests_properties(win32.fixture.home_unchanged PROPERTIES FIXTURES_CLEANUP wine LABELS win32
    DEPENDS win32.fixture.stop)
endif()

# A test run under Wine; COMMAND_ARGS are passed to the program.
function(ulmo_wine_test name)
  cmake_parse_arguments(T "" "LABEL" "COMMAND" ${ARGN})
  if(NOT T_LABEL)
    set(T_LABEL win32)
  endif()
  add_test(NAME ${T_LABEL}.${name} COMMAND ${ULMO_WINE_RUN} ${ULMO_TEST_STATE} ${T_COMMAND})
  set_tests_properties(${T_LABEL}.${name} PROPERTIES FIXTURES_REQUIRED wine LABELS ${T_LABEL}
    RESOURCE_LOCK wine_display TIMEOUT ${ULMO_WINE_TEST_TIMEOUT}
    ENVIRONMENT ULMO_TEST_DEADLINE=${ULMO_WINE_TEST_DEADLINE})
endfunction()

function(ulmo_win32_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ulmo_gtest)
  if("ulmo_shell_win32" IN_LIST T_LIBS OR "ulmo_tables_win32" IN_LIST T_LIBS)
    ulmo_beside_grid(${name})
  endif()
  ulmo_wine_test(${name} COMMAND $<TARGET_FILE:${name}>)
endfunction()
