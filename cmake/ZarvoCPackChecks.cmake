# Read by cpack before it packs. Without dpkg-shlibdeps, cpack would quietly make a package with
# no dependencies at all: one that installs and then cannot start.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(ZARVO_SHLIBDEPS dpkg-shlibdeps)
    if(NOT ZARVO_SHLIBDEPS)
        message(FATAL_ERROR "cpack -G DEB needs dpkg-shlibdeps, from the Debian package dpkg-dev, "
                            "to find the package's dependencies.")
    endif()
endif()
