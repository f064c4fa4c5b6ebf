# Debian's hardening flags, as dpkg-buildflags gives them with every hardening
# feature on: position-independent executables, the stack protector, fortified
# libc calls, format-string checks, and relocations made read-only and bound
# at start-up (-z relro -z now). The programs we ship are built with them.
#
# Included from the top-level CMakeLists.txt before the sources. The preset
# `default` turns it on; the debug, sanitizer and fuzz presets leave it off
# (fortified calls need optimisation, and the sanitizers check more anyway).

option(NUMORRA_HARDENING "Build with Debian's hardening flags from dpkg-buildflags" OFF)
if(NOT NUMORRA_HARDENING)
    return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(WARNING "dpkg-buildflags (package dpkg-dev) is missing: building without Debian's "
                    "hardening flags")
    return()
endif()

# numorra_buildflags(<variable> <flag kind>): dpkg-buildflags' answer as a list.
# It runs in the source folder so that -ffile-prefix-map maps that folder.
function(numorra_buildflags variable kind)
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                "${DPKG_BUILDFLAGS}" --get ${kind}
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${variable} "${flags}" PARENT_SCOPE)
endfunction()

numorra_buildflags(numorra_cppflags CPPFLAGS)
numorra_buildflags(numorra_cxxflags CXXFLAGS)
numorra_buildflags(numorra_ldflags LDFLAGS)
add_compile_options(${numorra_cppflags} ${numorra_cxxflags})
add_link_options(${numorra_ldflags})
string(JOIN " " numorra_shown ${numorra_cppflags} ${numorra_cxxflags} ${numorra_ldflags})
message(STATUS "Hardening flags: ${numorra_shown}")
