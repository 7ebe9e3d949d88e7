# Installation in the layout Debian gives a game, and the Debian package (cmake --workflow
# --preset package, or cpack -G DEB in any build folder):
#   games/zarvo-cycles                                the game
#   lib/<triplet>/zarvo-cycles/zarvo-sound.so         its sound module, found from games/ as ../lib/...
#   share/zarvo-cycles/sounds/*.wav                   its sound cues, found from games/ as ../share/...
#   share/applications/zarvo-cycles.desktop           the menu entry, starting <prefix>/games/...
#   share/icons/hicolor/<n>x<n>/apps/zarvo-cycles.png the icon, in the theme's sizes
#   share/metainfo/example.zarvo_cycles.ZarvoCycles.metainfo.xml
#   share/man/man6/zarvo-cycles.6.gz                  the manual page
#   share/doc/zarvo-cycles/{copyright,changelog.gz}   the licence terms and the release history
if(NOT TARGET zarvo-cycles)
    return()
endif()

include(GNUInstallDirs)

set(ZARVO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging)
# ZARVO_INSTALL_GAMESDIR (one level below the prefix, as the program finds its sounds in
# ../share/zarvo-cycles) and ZARVO_INSTALL_MODULEDIR come from the top folder.
set(ZARVO_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/zarvo-cycles)

install(TARGETS zarvo-cycles RUNTIME DESTINATION ${ZARVO_INSTALL_GAMESDIR})
install(TARGETS zarvo-sound LIBRARY DESTINATION ${ZARVO_INSTALL_MODULEDIR})
# A stripping install (cpack, cmake --install --strip) also drops the sections Debian's own
# packaging tools strip from a program: the compilers' .comment notes and .note.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZARVO_INSTALL_GAMESDIR}/zarvo-cycles\"
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZARVO_INSTALL_MODULEDIR}/zarvo-sound.so\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
")

get_target_property(zarvo_sounds_dir zarvo_sounds SOUNDS_DIR)
install(DIRECTORY ${zarvo_sounds_dir}/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/zarvo-cycles/sounds
    FILES_MATCHING PATTERN "*.wav")

# The menu entry starts the program by its full path, known only when installing: the prefix of
# `cmake --install --prefix`, /usr in the package.
set(zarvo_desktop_entry ${CMAKE_BINARY_DIR}/packaging/zarvo-cycles.desktop)
install(CODE "
    set(ZARVO_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${ZARVO_INSTALL_GAMESDIR}/zarvo-cycles\")
    configure_file(\"${ZARVO_PACKAGING_DIR}/zarvo-cycles.desktop.in\" \"${zarvo_desktop_entry}\"
        @ONLY)
")
install(FILES ${zarvo_desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
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

# The manual page (with the version filled in) and the changelog, compressed as Debian keeps them:
# gzip -9, with no file name or time inside, so that the same source packs the same bytes.
configure_file(${ZARVO_PACKAGING_DIR}/zarvo-cycles.6.in ${CMAKE_BINARY_DIR}/packaging/zarvo-cycles.6
    @ONLY)
set(zarvo_compressed_docs)
foreach(plain ${CMAKE_BINARY_DIR}/packaging/zarvo-cycles.6 ${ZARVO_PACKAGING_DIR}/changelog)
    get_filename_component(name ${plain} NAME)
    set(compressed ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND gzip -9 --no-name --stdout ${plain} > ${compressed}
        DEPENDS ${plain}
        COMMENT "Compressing ${name}")
    list(APPEND zarvo_compressed_docs ${compressed})
endforeach()
add_custom_target(zarvo_docs ALL DEPENDS ${zarvo_compressed_docs})
install(FILES ${CMAKE_BINARY_DIR}/packaging/zarvo-cycles.6.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${ZARVO_PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${ZARVO_INSTALL_DOCDIR})

# --- the Debian package ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarvo-cycles)
set(CPACK_PACKAGE_VENDOR "The Zarvo Cycles authors")
set(CPACK_PACKAGE_CONTACT "The Zarvo Cycles authors <bugs@zarvo-cycles.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "arcade game of cycles that leave solid trails")
# CPack writes the description as it is, so it is wrapped here within Debian's 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "One or two people at one keyboard steer cycles across an arena; every cell
a cycle leaves becomes solid trail, and the last cycle still moving wins.
Up to six computer cycles, six levels, a random field of land mines, a
scoreboard and sound cues.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zarvo-cycles.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links, as dpkg-shlibdeps finds them (needs dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/ZarvoCPackChecks.cmake)
set(CPACK_STRIP_FILES ON)
# For the checks above: the changelog whose first entry must name this version, and whether the
# program was built with Debian's flags.
set(CPACK_ZARVO_CHANGELOG ${ZARVO_PACKAGING_DIR}/changelog)
set(CPACK_ZARVO_DEBIAN_BUILDFLAGS ${ZARVO_DEBIAN_BUILDFLAGS})
include(CPack)
