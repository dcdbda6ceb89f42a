# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT

# Desktop integration (menu entry, icons, software-centre metadata) and the
# Debian package built by `make package` (cpack -G DEB).
# The game itself and its dat/ and sound/ folders are installed by app/, the
# packs we ship (courses/) by assets/.

set(POKURIMO_APP_ID io.github.pokurimo.Pokurimo)
set(POKURIMO_RELEASE_DATE 2026-12-08)  # the date of PROJECT_VERSION's release
# Whoever builds the package for a distribution puts their own address here.
set(POKURIMO_MAINTAINER "Pokurimo developers <pokurimo@example.org>" CACHE STRING
    "Maintainer of the Debian package and signer of its changelog: Name <address>")
set(_doc share/doc/pokurimo)

# --- Desktop integration -----------------------------------------------------
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${POKURIMO_APP_ID}.desktop DESTINATION share/applications)

configure_file(${CMAKE_CURRENT_LIST_DIR}/${POKURIMO_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${POKURIMO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${POKURIMO_APP_ID}.metainfo.xml DESTINATION share/metainfo)

foreach(size 16 32 48 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/pokurimo-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${POKURIMO_APP_ID}.png)
endforeach()

# --- Manual page, changelog, copyright ----------------------------------------
# Debian wants both compressed, with no time stamp in the gzip header.
function(pokurimo_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9nc ${source} > ${output}
    DEPENDS ${source} VERBATIM)
endfunction()

execute_process(COMMAND date -u -R -d ${POKURIMO_RELEASE_DATE}
                OUTPUT_VARIABLE POKURIMO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
pokurimo_gzip(${CMAKE_CURRENT_LIST_DIR}/pokurimo.6 ${CMAKE_BINARY_DIR}/packaging/pokurimo.6.gz)
pokurimo_gzip(${CMAKE_BINARY_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_target(package_docs ALL DEPENDS
  ${CMAKE_BINARY_DIR}/packaging/pokurimo.6.gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/pokurimo.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${_doc})

# The copyright file is written from the REUSE information at install time, so
# it always describes the tree being installed.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
install(CODE "
  execute_process(COMMAND \"${Python3_EXECUTABLE}\" \"${CMAKE_CURRENT_LIST_DIR}/copyright_from_reuse.py\"
                          \"${CMAKE_SOURCE_DIR}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${_doc}/copyright\"
                  RESULT_VARIABLE _result)
  if(NOT _result EQUAL 0)
    message(FATAL_ERROR \"The copyright file could not be written\")
  endif()
  message(STATUS \"Written: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${_doc}/copyright\")")

# --- Debian package ----------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pokurimo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pokurimo developers")
set(CPACK_PACKAGE_CONTACT "${POKURIMO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mouse maze game: guide Pipo along the road")
set(CPACK_PACKAGE_DESCRIPTION
"A small single-player game with a Japanese interface. Move the mouse
pointer along the road drawn on the course map, from the start mark to the
goal, without touching the roadside. Two levels (the hard one with a time
limit and a stricter road test) and two stages, the second with taxis,
rain, a river and a moving bridge. The fastest times are kept in a ranking.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# What the binary links is found by dpkg-shlibdeps; what Qt loads at run time
# (the xcb platform plugin, the sound server client) and the captions' font
# have to be named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libqt6multimedia6 (>= 6.4), qt6-qpa-plugins, fonts-ipafont-gothic, libpulse0")

include(CPack)
