# Read by cpack before it packs.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

# Without dpkg-shlibdeps, cpack would quietly make a package with no dependencies at all: one that
# installs and then cannot start.
find_program(ZARVO_SHLIBDEPS dpkg-shlibdeps)
if(NOT ZARVO_SHLIBDEPS)
    message(FATAL_ERROR "cpack -G DEB needs dpkg-shlibdeps, from the Debian package dpkg-dev, "
                        "to find the package's dependencies.")
endif()

# The changelog's latest entry is the release being packed.
file(STRINGS ${CPACK_ZARVO_CHANGELOG} latest LIMIT_COUNT 1 REGEX "^zarvo-cycles \\(")
string(REGEX MATCH "\\(([^)]*)\\)" latest "${latest}")
if(NOT CMAKE_MATCH_1 STREQUAL CPACK_PACKAGE_VERSION)
    message(FATAL_ERROR "The latest entry of packaging/changelog is for version "
                        "\"${CMAKE_MATCH_1}\", the package is version ${CPACK_PACKAGE_VERSION}: "
                        "the changelog needs an entry for this release.")
endif()

if(NOT CPACK_ZARVO_DEBIAN_BUILDFLAGS)
    message(NOTICE "This build has no Debian hardening flags; the package to hand out is made by "
                   "`cmake --workflow --preset package`.")
endif()
