# GoogleTest built from Debian's sources with the cross compiler, and the
# helper that declares a test program run under Wine.

set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(ZARNITH_TEST_BIN_DIR "${CMAKE_BINARY_DIR}/tests-bin")
# How often a program whose engine failed only while shutting down is run.
set(ZARNITH_TEST_ATTEMPTS 3)
# The switches the engine needs under Wine (scripts/env.sh has them for the
# scripts), given to every program that starts the engine.
set(ZARNITH_WINE_ENGINE_SWITCHES --disable-gpu --disable-direct-write)

# zarnith_add_test(<name> SOURCES <files...> [LIBS <targets...>] [ENGINE] [TIMEOUT <seconds>] [LABELS <labels...>]
#                  [ARGS <arguments...>] [SCREEN <screen>[@<dpi>]])
# ENGINE: the program starts the browser engine, so the engine runtime is
# staged beside it and its main must hand engine sub-processes to the engine.
# ARGS: the program's command-line arguments.
# SCREEN: the program runs on a screen of its own (scripts/run-on-screen, which
# lists the screens it makes); <screen>@<dpi> gives that screen's session a
# system scale too.
function(zarnith_add_test name)
  cmake_parse_arguments(T "ENGINE" "TIMEOUT;SCREEN" "SOURCES;LIBS;LABELS;ARGS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${ZARNITH_TEST_BIN_DIR}")
  if(T_ENGINE)
    zarnith_stage_engine(${name} "${ZARNITH_TEST_BIN_DIR}" LINK)
  endif()
  # Each attempt has the timeout; the runner may repeat a program whose engine
  # failed only while shutting down. The runner decides whether the program
  # passed (its exit code, its GoogleTest summary, Wine's crash reports) and
  # exits with 0 only then; ctest goes by that exit code alone
  # (scripts/run-test says why).
  set(_screen)
  if(T_SCREEN)
    set(_screen "${PROJECT_SOURCE_DIR}/scripts/run-on-screen" ${T_SCREEN})
  endif()
  add_test(NAME ${name}
    COMMAND ${_screen} python3 "${PROJECT_SOURCE_DIR}/scripts/run-test" --timeout ${T_TIMEOUT}
            --attempts ${ZARNITH_TEST_ATTEMPTS} $<TARGET_FILE:${name}> ${T_ARGS}
    WORKING_DIRECTORY "${ZARNITH_TEST_BIN_DIR}")
  math(EXPR _all_attempts "${T_TIMEOUT} * ${ZARNITH_TEST_ATTEMPTS} + 30")
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${_all_attempts}
    LABELS "${T_LABELS}")
endfunction()
