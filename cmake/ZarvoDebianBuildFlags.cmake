# Debian's compiler and linker flags, hardening included, as dpkg-buildflags gives them to a
# package build: on for the Debian package (the "package" preset), off for a developer's build,
# which keeps its own flags.
option(ZARVO_DEBIAN_BUILDFLAGS "Build with the flags dpkg-buildflags gives, for the Debian package"
    OFF)
if(NOT ZARVO_DEBIAN_BUILDFLAGS)
    return()
endif()

find_program(ZARVO_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # hardening=+all adds what Debian leaves to each package, such as binding at load time (-z now).
    # From the source folder, whose path -ffile-prefix-map then keeps out of the program.
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${ZARVO_DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    if(kind STREQUAL "LDFLAGS")
        add_link_options(${flags})
    else()
        add_compile_options(${flags})
    endif()
    message(STATUS "Debian ${kind}: ${flags}")
endforeach()
