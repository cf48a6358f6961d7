# GoogleTest from Debian's source package, built with the same toolchain as
# the code under test (mingw for Windows, the host compiler natively).
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Compiled for speed of building: the framework's own speed does not count.
target_compile_options(gtest PRIVATE -O0)
target_compile_options(gtest_main PRIVATE -O0)

# chooser_gtest_verdict(tests...): a run of a test program passes on
# GoogleTest's summary of passed tests and fails on any failed one, whatever
# its exit status: Wine can end a program that a fault has wrecked with
# status 0.
function(chooser_gtest_verdict)
  set_tests_properties(${ARGN} PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
                       FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()

# chooser_add_test(name sources... LIBS libs...): one test program, run by
# CTest (under Wine for the Windows builds).
function(chooser_add_test name)
  cmake_parse_arguments(T "" "" "LIBS;ENV;LABELS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main chooser_warnings)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  chooser_gtest_verdict(${name})
  if(T_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${T_ENV}")
  endif()
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()
