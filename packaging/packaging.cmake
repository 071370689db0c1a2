# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a configured build, or `cmake --workflow --preset
# package`. Its library dependencies are found by dpkg-shlibdeps from the installed program.

# What Debian's policy asks of every package's documentation folder, installed with the program.
set(docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/tintora)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${docdir})
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_command(OUTPUT ${changelog}.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog ${changelog}
                   COMMAND gzip -9nf ${changelog}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
                   VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintora)
set(CPACK_PACKAGE_VENDOR "The Tintora developers")
set(CPACK_PACKAGE_CONTACT "The Tintora developers <developers@tintora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "color picker for #RRGGBB colors")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tintora.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Wayland platform plugin is a package of its own; without it Qt falls back to X11. Qt's
# own texts (file and color dialogs) in German and French come with qt6-translations-l10n;
# without it those dialogs stay in English and ours are translated all the same.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# The long description under the summary; CPack indents its lines as the control file wants.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "Tintora shows one color at a time as red, green and blue numbers, as three\n"
       "scroll bars and as a #RRGGBB hex value that it copies to the clipboard, and\n"
       "tries it out on a background and on two sample texts. Colors can be kept\n"
       "under names in color lists saved as files. A contrast checker rates the\n"
       "sample texts against the background by WCAG 2 and APCA.")

include(CPack)
