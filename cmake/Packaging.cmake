# What `cpack` makes of each build (scripts/package.sh runs it): the Linux build gives the Debian
# package, the Windows build a zip of kelvaron.exe and its README.txt, the browser build a zip of its
# static folder. The files to pack are the install rules of each platform's CMakeLists.txt.
set(CPACK_PACKAGE_NAME kelvaron)
set(CPACK_PACKAGE_VENDOR "The Kelvaron developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "boss-rush shoot-'em-up drawn with vector shapes")
# Lines short enough for Debian's tools.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Five levels, one boss each, from a circling pentagon that sprays spinning"
       "lasers to a turning machine with unfolding arms. Fly a small ship, fire lasers"
       "and set off bombs that wipe every enemy shot off the screen; points come from"
       "winning a level quickly, with bombs in hand and few ships lost."
       "."
       "Every game is recorded and can be watched again; the ten best are kept in a"
       "highscore table. Keyboard or game controller; the window scales to any size.")
set(CPACK_THREADS 0)  # compress on every core

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME kelvaron-${PROJECT_VERSION}-windows-x86_64)
  set(CPACK_STRIP_FILES ON)
elseif(EMSCRIPTEN)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME kelvaron-${PROJECT_VERSION}-web)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_PACKAGE_NAME kelvaron)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # kelvaron_VERSION_ARCH.deb
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_COMPRESSION_TYPE xz)  # as Debian compresses its own
  set(KELVARON_MAINTAINER "The Kelvaron developers <maintainers@users.noreply.c-seed-574974cf.example>"
      CACHE STRING "Maintainer field of the Debian package")
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KELVARON_MAINTAINER})
endif()
include(CPack)
