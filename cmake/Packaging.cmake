# The Debian package, built by CPack from the install rules: `make package`
# leaves build/numorra_<version>-<revision>_<architecture>.deb.
#
# Included from the top-level CMakeLists.txt after cmake/Install.cmake.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numorra)
set(CPACK_PACKAGE_VENDOR "Numorra")
set(CPACK_PACKAGE_CONTACT "Numorra <support@numorra.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://numorra.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese numerology readings from a name and date of birth")
# Debian shows the description as it stands, so its lines are kept short.
set(CPACK_PACKAGE_DESCRIPTION
    "Numorra gives a reading by Chinese numerology. From a name and a date of
birth it draws the Lo Shu birth chart and finds the most favourable number,
with its reading and direction, and the feng shui number, with its group,
element and trigram.

Readings print as a report and save as reading files (.qnr) that open again.")
# The package carries the programs without their debugging information.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The package revision is the newest entry's of packaging/changelog, which is
# installed as the package's changelog and must be for this version.
file(STRINGS "${PROJECT_SOURCE_DIR}/packaging/changelog" numorra_newest LIMIT_COUNT 1)
if(NOT numorra_newest MATCHES "^numorra \\(${PROJECT_VERSION}-([0-9]+)\\) ")
    message(FATAL_ERROR "packaging/changelog starts with \"${numorra_newest}\": "
                        "add an entry for ${PROJECT_VERSION}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${PROJECT_SOURCE_DIR}/packaging/changelog")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the programs link come from dpkg-shlibdeps. What it
# cannot see is listed by hand: the platform plugins Qt loads at run time
# (libqt6gui6 only recommends them), the Latin face of the windows and
# reports where Verdana is missing, DejaVu Sans, and libcups, which the
# program loads only when it prints.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, libcups2")
# Help and web links open in the desktop's browser through xdg-open; on a
# Wayland desktop the windows are native with Qt's Wayland plugin; names in
# Chinese characters need a font that has them, which DejaVu has not: Noto
# Sans CJK has all 8,105 characters of the Table of General Standard Chinese
# Characters and all of Big5 (docs/printing.md, "The Chinese font").
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland, fonts-noto-cjk")
# In Chinese, Qt's own buttons and dialogs (Yes, No, the file dialogs) need
# Qt's catalogs, which Debian ships apart from Qt.
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-translations-l10n")

# A source archive, should anyone ask for one, holds the sources only.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

# The command-line companion is optional and may be defined anywhere in the
# tree, so the package is described once every directory has been read.
function(numorra_package)
    if(TARGET numorra-report)
        string(APPEND CPACK_PACKAGE_DESCRIPTION "
The package also holds numorra-report, which writes the same report on the
command line.")
    endif()
    include(CPack)
endfunction()
cmake_language(DEFER DIRECTORY "${PROJECT_SOURCE_DIR}" CALL numorra_package)
