# `cmake --install` lays the course out as one folder, /usr/lib/bitlak with bin/ and res/ side by
# side (the program finds ../res from its own folder), plus the launcher, the desktop entry, the
# pupils' X session, the icon and the AppStream metainfo. CPack makes the Debian package of it.
include(GNUInstallDirs)

set(BITLAK_APPSTREAM_ID "hu.bitlak.Bitlak" CACHE STRING "AppStream component id")
set(BITLAK_HOMEPAGE "https://bitlak.hu" CACHE STRING "The course's home page")
set(BITLAK_SCREENSHOT_BASE "${BITLAK_HOMEPAGE}/screenshots" CACHE STRING "Where docs/screenshots/ is published")
string(TIMESTAMP BITLAK_RELEASE_DATE "%Y-%m-%d" UTC)

set(bitlak_home lib/bitlak)
set(packaging ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS bitlak bitlak-report RUNTIME DESTINATION ${bitlak_home}/bin)
install(DIRECTORY ${BITLAK_RES_DIR}/ DESTINATION ${bitlak_home}/res
        PATTERN listing.txt EXCLUDE PATTERN words.txt EXCLUDE)

# /usr/bin/bitlak is a relative link: the program resolves its own folder through it.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/etc)
file(CREATE_LINK ../${bitlak_home}/bin/bitlak ${CMAKE_BINARY_DIR}/packaging/bitlak SYMBOLIC)
file(CREATE_LINK ../${bitlak_home}/bin/bitlak-report ${CMAKE_BINARY_DIR}/packaging/bitlak-report SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/bitlak ${CMAKE_BINARY_DIR}/packaging/bitlak-report
        DESTINATION ${CMAKE_INSTALL_BINDIR})

# A teacher may replace the word list; as a configuration file it survives upgrades, and the
# course still reads it from res/etc.
install(FILES ${BITLAK_RES_DIR}/etc/words.txt DESTINATION /etc/bitlak)
file(CREATE_LINK /etc/bitlak/words.txt ${CMAKE_BINARY_DIR}/packaging/etc/words.txt SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/etc/words.txt DESTINATION ${bitlak_home}/res/etc)
# The school's settings, shipped with every key commented out: the course as it is until a
# teacher sets something; an upgrade keeps the teacher's file.
install(FILES ${packaging}/bitlak.conf DESTINATION /etc/bitlak)
file(WRITE ${CMAKE_BINARY_DIR}/packaging/conffiles "/etc/bitlak/words.txt\n/etc/bitlak/bitlak.conf\n")

# Manual pages, compressed without a time stamp.
foreach(page bitlak bitlak-report)
  execute_process(COMMAND gzip -9nc INPUT_FILE ${packaging}/${page}.1
                  OUTPUT_FILE ${CMAKE_BINARY_DIR}/packaging/${page}.1.gz COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES ${packaging}/bitlak.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/bitlak-session.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/xsessions
        RENAME bitlak.desktop)
# The media kit draws the icons beside res/ during the build.
install(DIRECTORY ${BITLAK_RES_DIR}/../share/icons DESTINATION ${CMAKE_INSTALL_DATADIR})
configure_file(${packaging}/bitlak.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${BITLAK_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${BITLAK_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/bitlak)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bitlak)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Bitlak <dev@bitlak.hu>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BITLAK_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "full-screen computer course for school children
Bitlak teaches school children to use a personal computer: the keyboard, the
mouse, buttons, selection controls, list boxes, panels, windows, menus and
small programs. Every text the learner sees is Hungarian.

Besides the menu entry, the package adds an X session that runs only the
course, for pupils' accounts.")
# The libraries come from what the program links. Nothing links what it needs at run time beyond
# them: Arial's metric twin, Qt's Hungarian button texts, the results store's SQLite driver (the
# PostgreSQL driver only for a school that keeps results on a server) and the reading voice's data.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# postinst makes the bitlak group and the results folder its members write.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/packaging/conffiles ${packaging}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, libqt6sql6-sqlite, espeak-ng-data, adduser")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")

# A native package carries its changelog, compressed without a time stamp.
string(TIMESTAMP BITLAK_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${packaging}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
execute_process(COMMAND gzip -9nc INPUT_FILE ${CMAKE_BINARY_DIR}/packaging/changelog
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/packaging/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/bitlak)
include(CPack)
