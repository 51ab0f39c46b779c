# GoogleTest for the Windows cross build, compiled from Debian's source package (Debian ships no
# mingw build of it). Gives the same GTest:: targets as find_package(GTest).
include_guard(GLOBAL)

set(KELVARON_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
if(NOT EXISTS ${KELVARON_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "${KELVARON_GTEST_SOURCE} is missing: run scripts/install-deps.sh")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KELVARON_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# Not our code: its warnings are not ours to fix.
foreach(target gtest gtest_main gmock gmock_main)
  target_compile_options(${target} PRIVATE -w)
endforeach()

include(GoogleTest)
# Under Wine every process start costs a fraction of a second, so each test executable runs once,
# whole, as one CTest test, instead of once per test case.
function(gtest_discover_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "NO_PRETTY_TYPES;NO_PRETTY_VALUES"
                        "WORKING_DIRECTORY;TEST_PREFIX;TEST_SUFFIX;TEST_LIST;DISCOVERY_TIMEOUT;DISCOVERY_MODE;XML_OUTPUT_DIR"
                        "EXTRA_ARGS;PROPERTIES")
  if(NOT arg_WORKING_DIRECTORY)
    set(arg_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  add_test(NAME ${arg_TEST_PREFIX}${target}${arg_TEST_SUFFIX}
           COMMAND ${target} --gtest_brief=1 ${arg_EXTRA_ARGS}
           WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
  set_tests_properties(${arg_TEST_PREFIX}${target}${arg_TEST_SUFFIX} PROPERTIES LABELS wine
                       ${arg_PROPERTIES})
endfunction()
