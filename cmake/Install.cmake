# Installs the program where desktops look for it: the program, its desktop entry, its AppStream
# metainfo, its icon (scalable, plus rendered sizes) under the hicolor theme, its manual page,
# bash completion, copyright notice and changelog. The optional skin and cursor files are still
# looked up beside the program. `cpack` builds a Debian package of the same files.
include(GNUInstallDirs)

# The same id as kDesktopFileName in src/common/product.h, which the window reports.
set(TAVROLIN_APP_ID org.example.Tavrolin)
set(TAVROLIN_DATA ${PROJECT_SOURCE_DIR}/data)
set(TAVROLIN_ICON_SIZES 16 22 24 32 48 64 128 256)
set(TAVROLIN_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS tavrolin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TAVROLIN_DATA}/${TAVROLIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVROLIN_DATA}/${TAVROLIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TAVROLIN_DATA}/tavrolin.svg
        DESTINATION ${TAVROLIN_ICON_DIR}/scalable/apps
        RENAME ${TAVROLIN_APP_ID}.svg)

# The fixed sizes are rendered from the SVG, so there is one drawing to keep.
find_program(TAVROLIN_RSVG_CONVERT rsvg-convert)
if(TAVROLIN_RSVG_CONVERT)
    set(rendered_icons)
    foreach(size IN LISTS TAVROLIN_ICON_SIZES)
        set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${TAVROLIN_APP_ID}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
            COMMAND ${TAVROLIN_RSVG_CONVERT} -w ${size} -h ${size} -o ${png}
                    ${TAVROLIN_DATA}/tavrolin.svg
            DEPENDS ${TAVROLIN_DATA}/tavrolin.svg
            COMMENT "Rendering the ${size}x${size} icon"
            VERBATIM)
        install(FILES ${png} DESTINATION ${TAVROLIN_ICON_DIR}/${size}x${size}/apps)
        list(APPEND rendered_icons ${png})
    endforeach()
    add_custom_target(tavrolin_icons ALL DEPENDS ${rendered_icons})
else()
    message(WARNING "rsvg-convert (Debian package librsvg2-bin) not found: only the scalable "
                    "and the 64x64 icon are installed")
    install(FILES ${TAVROLIN_DATA}/tavrolin.png
            DESTINATION ${TAVROLIN_ICON_DIR}/64x64/apps
            RENAME ${TAVROLIN_APP_ID}.png)
endif()

# The manual page, and the copyright notice and changelog Debian wants in every package. Debian
# keeps manual pages and changelogs gzip-compressed, without a time stamp so that a rebuild gives
# the same bytes.
set(TAVROLIN_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(TAVROLIN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tavrolin)
find_program(TAVROLIN_GZIP gzip REQUIRED)
# Its option lists and the bash completion are written from the tables that the parser and
# --help read (src/batch/batch_options.h, src/entries/tool_table.h), so none of them can drift.
configure_file(${TAVROLIN_PACKAGING}/tavrolin.1.in ${CMAKE_BINARY_DIR}/packaging/tavrolin.1.in
               @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/tavrolin.1
    COMMAND tavrolin_option_documents manual ${CMAKE_BINARY_DIR}/packaging/tavrolin.1.in
            ${TAVROLIN_PACKAGING}/tavrolin.1.notes ${CMAKE_BINARY_DIR}/packaging/tavrolin.1
    DEPENDS tavrolin_option_documents ${CMAKE_BINARY_DIR}/packaging/tavrolin.1.in
            ${TAVROLIN_PACKAGING}/tavrolin.1.notes
    COMMENT "Writing the manual page's options"
    VERBATIM)
set(TAVROLIN_COMPLETION ${CMAKE_BINARY_DIR}/packaging/tavrolin.bash-completion)
add_custom_command(OUTPUT ${TAVROLIN_COMPLETION}
    COMMAND tavrolin_option_documents completion ${TAVROLIN_COMPLETION}
    DEPENDS tavrolin_option_documents
    COMMENT "Writing the bash completion"
    VERBATIM)
set(compressed_docs)
foreach(doc tavrolin.1 changelog)
    set(plain ${CMAKE_BINARY_DIR}/packaging/gz/${doc})
    if(doc STREQUAL changelog)
        set(source ${TAVROLIN_PACKAGING}/changelog)
    else()
        set(source ${CMAKE_BINARY_DIR}/packaging/${doc})
    endif()
    add_custom_command(OUTPUT ${plain}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
        COMMAND ${TAVROLIN_GZIP} -9nf ${plain}
        DEPENDS ${source}
        COMMENT "Compressing ${doc}"
        VERBATIM)
    list(APPEND compressed_docs ${plain}.gz)
endforeach()
add_custom_target(tavrolin_docs ALL DEPENDS ${compressed_docs} ${TAVROLIN_COMPLETION})
install(FILES ${CMAKE_BINARY_DIR}/packaging/gz/tavrolin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/gz/changelog.gz ${TAVROLIN_PACKAGING}/copyright
        DESTINATION ${TAVROLIN_DOC_DIR})
# bash completes the options of batch mode and their values.
install(FILES ${TAVROLIN_COMPLETION}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME tavrolin)

# The Debian package. Its dependencies come from dpkg-shlibdeps (package dpkg-dev), which reads
# them off the libraries the program links; dpkg-shlibdeps needs `file` too.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrolin)
set(CPACK_PACKAGE_VENDOR Quendale)
set(CPACK_PACKAGE_CONTACT "Tavrolin maintainers <support@tavrolin.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Join a list of entries into one delimited list")
# One line each in the package's control file: Debian wants them at most 80 characters long.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tavrolin turns a list of entries, typed, loaded from text files, dropped or"
    "pasted, into one delimited list that can be saved to a CSV or text file or"
    "copied to the clipboard.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://tavrolin.example.org/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the SVG image plugin draws the window
# icon (without it the icon falls back to the built-in picture), and the window's Arial is
# drawn with Liberation Sans, which has the same metrics, where Arial is missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, fonts-liberation")
include(CPack)
