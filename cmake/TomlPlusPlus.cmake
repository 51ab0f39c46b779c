# kelvaron_toml: toml++ (Debian's libtomlplusplus-dev), used header-only by the settings file in
# every build: Linux, the Windows cross build and Emscripten.
#
# Only a folder in the build tree holding a link to /usr/include/toml++ goes on the include path, so
# the cross builds never see the rest of /usr/include (glibc's headers would clash with mingw's and
# Emscripten's). Exceptions stay off everywhere: Emscripten's default build catches none, and the
# parser then answers with a toml::parse_result instead of throwing.
include_guard(GLOBAL)

set(_kelvaron_toml_source /usr/include/toml++)
if(NOT IS_DIRECTORY ${_kelvaron_toml_source})
  message(FATAL_ERROR "${_kelvaron_toml_source} is missing: run scripts/install-deps.sh")
endif()
set(KELVARON_TOML_DIR ${CMAKE_BINARY_DIR}/toml-include)
file(MAKE_DIRECTORY ${KELVARON_TOML_DIR})
file(CREATE_LINK ${_kelvaron_toml_source} ${KELVARON_TOML_DIR}/toml++ SYMBOLIC)

add_library(kelvaron_toml INTERFACE)
target_include_directories(kelvaron_toml SYSTEM INTERFACE ${KELVARON_TOML_DIR})
target_compile_definitions(kelvaron_toml INTERFACE TOML_HEADER_ONLY=1 TOML_EXCEPTIONS=0
                                                   TOML_ENABLE_WINDOWS_COMPAT=0)
