# Installs Numorra the way Linux desktops expect it: the programs in bin, a
# desktop entry, the icon in the hicolor theme at every usual size, the
# AppStream metainfo that software centres read, the type of reading files
# (.qnr) for file managers, the bash completion, the catalogs of the
# program's texts, and the manual pages, copyright, changelog and lintian
# overrides as Debian lays them out.
#
# Included from the top-level CMakeLists.txt after the sources.

include(GNUInstallDirs)

# The desktop entry, the installed icon and the metainfo share this reverse-DNS
# name, so that desktops and software centres can match them up. The window
# icon is compiled into the program and does not depend on it.
set(NUMORRA_APP_ID "org.example.numorra.Numorra")

# Fixed-size icons, for panels and menus that do not draw SVG, are rendered
# from the one SVG at build time, by the tool that renders the program's own pictures.
set(NUMORRA_ICON_SIZES 16 22 24 32 48 64 128 256)
set(numorra_icon_svg "${PROJECT_SOURCE_DIR}/resources/icons/numorra.svg")
set(numorra_icon_pngs "")
foreach(size IN LISTS NUMORRA_ICON_SIZES)
    set(folder "${PROJECT_BINARY_DIR}/icons/hicolor/${size}x${size}/apps")
    set(png "${folder}/${NUMORRA_APP_ID}.png")
    file(MAKE_DIRECTORY "${folder}")
    add_custom_command(OUTPUT "${png}"
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:numorra_picture_pixels> "${numorra_icon_svg}" "${png}" ${size} ${size}
        DEPENDS numorra_picture_pixels "${numorra_icon_svg}"
        COMMENT "Rendering the ${size}x${size} icon"
        VERBATIM)
    list(APPEND numorra_icon_pngs "${png}")
    install(FILES "${png}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()
add_custom_target(numorra_icons ALL DEPENDS ${numorra_icon_pngs})

install(TARGETS numorra RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${PROJECT_SOURCE_DIR}/resources/${NUMORRA_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
# Reading files get a type of their own, which the desktop entry opens; the
# type's icon is the application's.
install(FILES "${PROJECT_SOURCE_DIR}/resources/${NUMORRA_APP_ID}.mime.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages"
        RENAME "${NUMORRA_APP_ID}.xml")
install(FILES "${numorra_icon_svg}"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${NUMORRA_APP_ID}.svg")

# The catalogs of the program's texts (translations/), where both programs
# look for them: share/numorra/translations.
install(FILES ${NUMORRA_CATALOG_FILES} DESTINATION "${NUMORRA_TRANSLATIONS_DIR}")

# The manual pages and the Debian changelog are compressed as Debian ships
# them: gzip -9n, with no name or time stamp, so the same text always gives
# the same bytes.
find_program(GZIP gzip REQUIRED)
set(numorra_packaging "${PROJECT_SOURCE_DIR}/packaging")
set(numorra_compressed "")
foreach(file IN ITEMS numorra.1 numorra-report.1 changelog)
    set(copy "${PROJECT_BINARY_DIR}/packaging/${file}")
    add_custom_command(OUTPUT "${copy}.gz"
        COMMAND "${CMAKE_COMMAND}" -E copy "${numorra_packaging}/${file}" "${copy}"
        COMMAND "${GZIP}" -9nf "${copy}"
        DEPENDS "${numorra_packaging}/${file}"
        VERBATIM)
    list(APPEND numorra_compressed "${copy}.gz")
endforeach()
add_custom_target(numorra_docs ALL DEPENDS ${numorra_compressed})
install(FILES "${PROJECT_BINARY_DIR}/packaging/numorra.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
set(NUMORRA_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/numorra")
install(FILES "${numorra_packaging}/copyright" DESTINATION "${NUMORRA_DOCDIR}")
install(FILES "${PROJECT_BINARY_DIR}/packaging/changelog.gz" DESTINATION "${NUMORRA_DOCDIR}"
        RENAME changelog.Debian.gz)
install(FILES "${numorra_packaging}/lintian-overrides"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME numorra)

# The command-line companion is optional and may be defined anywhere in the
# tree, so it is looked for only once every directory has been read.
function(numorra_install_programs)
    set(programs numorra)
    if(TARGET numorra-report)
        install(TARGETS numorra-report RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
        install(FILES "${PROJECT_BINARY_DIR}/packaging/numorra-report.1.gz"
                DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
        install(FILES "${PROJECT_SOURCE_DIR}/packaging/numorra-report.bash-completion"
                DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions"
                RENAME numorra-report)
        list(APPEND programs numorra-report)
    endif()

    # A stripped install (cmake --install --strip, and so the package) also
    # drops the compiler's notes, as Debian's dh_strip does.
    foreach(program IN LISTS programs)
        install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
endif()")
    endforeach()

    # The metainfo lists every program the package provides.
    set(binaries "")
    foreach(program IN LISTS programs)
        list(APPEND binaries "    <binary>${program}</binary>")
    endforeach()
    list(JOIN binaries "\n" NUMORRA_PROVIDED_BINARIES)
    set(metainfo "${PROJECT_BINARY_DIR}/${NUMORRA_APP_ID}.metainfo.xml")
    configure_file("${PROJECT_SOURCE_DIR}/resources/${NUMORRA_APP_ID}.metainfo.xml.in"
                   "${metainfo}" @ONLY)
    install(FILES "${metainfo}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
endfunction()
cmake_language(DEFER DIRECTORY "${PROJECT_SOURCE_DIR}" CALL numorra_install_programs)
