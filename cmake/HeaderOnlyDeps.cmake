# kelvaron_header_only_deps: the header-only libraries the tools use (CLI11 and nlohmann-json, from
# Debian's packages) as one INTERFACE target that works for the native and the Windows cross build.
#
# Natively they come through their packages' CMake configs. The cross build must not see
# /usr/include (its glibc headers clash with mingw's), so it gets a folder in the build tree that
# holds only links to the two libraries' header folders, and that folder alone goes on the path.
# In the cross build the packages' own names (find_package(nlohmann_json), find_package(CLI11))
# are answered with the same folder, so code that asks for them by name builds unchanged.
include_guard(GLOBAL)

add_library(kelvaron_header_only_deps INTERFACE)

if(CMAKE_CROSSCOMPILING)
  set(KELVARON_HEADER_ONLY_DIR ${CMAKE_BINARY_DIR}/header-only-deps/include)
  file(MAKE_DIRECTORY ${KELVARON_HEADER_ONLY_DIR})
  foreach(_kelvaron_lib CLI nlohmann)
    set(_kelvaron_source /usr/include/${_kelvaron_lib})
    if(NOT IS_DIRECTORY ${_kelvaron_source})
      message(FATAL_ERROR "${_kelvaron_source} is missing: run scripts/install-deps.sh")
    endif()
    file(CREATE_LINK ${_kelvaron_source} ${KELVARON_HEADER_ONLY_DIR}/${_kelvaron_lib} SYMBOLIC)
  endforeach()
  target_include_directories(kelvaron_header_only_deps SYSTEM INTERFACE ${KELVARON_HEADER_ONLY_DIR})

  # find_package() looks in CMAKE_FIND_PACKAGE_REDIRECTS_DIR before anywhere else.
  foreach(_kelvaron_package nlohmann_json CLI11)
    if(_kelvaron_package STREQUAL "nlohmann_json")
      set(_kelvaron_target nlohmann_json::nlohmann_json)
    else()
      set(_kelvaron_target CLI11::CLI11)
    endif()
    string(TOLOWER ${_kelvaron_package} _kelvaron_file)
    file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${_kelvaron_file}-config.cmake
         "if(NOT TARGET ${_kelvaron_target})\n"
         "  add_library(${_kelvaron_target} INTERFACE IMPORTED)\n"
         "  set_target_properties(${_kelvaron_target} PROPERTIES\n"
         "    INTERFACE_INCLUDE_DIRECTORIES \"${KELVARON_HEADER_ONLY_DIR}\"\n"
         "    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES \"${KELVARON_HEADER_ONLY_DIR}\")\n"
         "endif()\n")
    file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${_kelvaron_file}-config-version.cmake
         "set(PACKAGE_VERSION 99)\nset(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
  endforeach()
else()
  find_package(nlohmann_json 3 REQUIRED)
  find_package(CLI11 REQUIRED)
  target_link_libraries(kelvaron_header_only_deps INTERFACE nlohmann_json::nlohmann_json
                                                            CLI11::CLI11)
endif()
