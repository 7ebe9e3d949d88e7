# Installation in the usual layout, and the Debian package (cpack -G DEB in the build folder):
#   bin/zarvo-cycles                                  the game
#   share/zarvo-cycles/sounds/*.wav                   its sound cues, found from bin/ as ../share/...
#   share/applications/zarvo-cycles.desktop           the menu entry
#   share/icons/hicolor/<n>x<n>/apps/zarvo-cycles.png the icon, in the theme's sizes
#   share/metainfo/example.zarvo_cycles.ZarvoCycles.metainfo.xml
if(NOT TARGET zarvo-cycles)
    return()
endif()

include(GNUInstallDirs)

set(ZARVO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging)

install(TARGETS zarvo-cycles RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

get_target_property(zarvo_sounds_dir zarvo_sounds SOUNDS_DIR)
install(DIRECTORY ${zarvo_sounds_dir}/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/zarvo-cycles/sounds
    FILES_MATCHING PATTERN "*.wav")

install(FILES ${ZARVO_PACKAGING_DIR}/zarvo-cycles.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZARVO_PACKAGING_DIR}/example.zarvo_cycles.ZarvoCycles.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The generated icons: icon-<n>.png for the small sizes, icon.png at 256 pixels.
foreach(size 16 24 32 48 64 128 256)
    if(size EQUAL 256)
        set(picture ${CMAKE_BINARY_DIR}/art/icon.png)
    else()
        set(picture ${CMAKE_BINARY_DIR}/art/icon-${size}.png)
    endif()
    install(FILES ${picture}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME zarvo-cycles.png)
endforeach()

# --- the Debian package ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarvo-cycles)
set(CPACK_PACKAGE_VENDOR "The Zarvo Cycles authors")
set(CPACK_PACKAGE_CONTACT "The Zarvo Cycles authors <bugs@zarvo-cycles.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "arcade game of cycles that leave solid trails")
set(CPACK_PACKAGE_DESCRIPTION
    "One or two people at one keyboard steer cycles across an arena; every cell a cycle leaves \
becomes solid trail, and the last cycle still moving wins. Up to six computer cycles, six \
levels, a random mine field, a scoreboard and sound cues.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zarvo-cycles.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links, as dpkg-shlibdeps finds them (needs dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/ZarvoCPackChecks.cmake)
set(CPACK_STRIP_FILES ON)
include(CPack)
