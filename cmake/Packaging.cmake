# At home on a Linux desktop: the settings file, the desktop entry, the .vpx file type, the
# icons, the AppStream metainfo and the manual pages, installed where the desktop looks for
# them; and the Debian package made from the same rules (`cpack -G DEB` in the build folder,
# or scripts/package.sh).
include(GNUInstallDirs)

set(VESPIN_GEN ${PROJECT_BINARY_DIR}/desktop)
# The book's icon carries the name the icon theme derives from its type, so a file manager
# finds it with or without the MIME package's hint.
set(VESPIN_BOOK_ICON application-x-vespin-document)

# Where users find the program and its screenshots, for the software centre.
set(VESPIN_HOMEPAGE "https://vespin.example.org/" CACHE STRING "The program's home page")
set(VESPIN_MAINTAINER "Vespin developers <vespin@example.org>" CACHE STRING
    "Maintainer of the Debian package")
string(REGEX REPLACE ".*<(.*)>.*" "\\1" VESPIN_CONTACT "${VESPIN_MAINTAINER}")
# The desktop files carry the application id in their names and contents.
configure_file(res/vespin.desktop.in ${VESPIN_GEN}/${VESPIN_APP_ID}.desktop @ONLY)
configure_file(res/vespin-mime.xml.in ${VESPIN_GEN}/${VESPIN_APP_ID}.xml @ONLY)
configure_file(res/vespin.metainfo.xml.in ${VESPIN_GEN}/${VESPIN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${VESPIN_GEN}/${VESPIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VESPIN_GEN}/${VESPIN_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${VESPIN_GEN}/${VESPIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons: the SVGs as they are, and PNGs rendered from them at the sizes menus and file managers
# ask for.
find_program(VESPIN_RSVG_CONVERT rsvg-convert REQUIRED)
set(VESPIN_ICON_FILES)
set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(icon IN ITEMS "vespin;apps;${VESPIN_APP_ID}" "vespin-book;mimetypes;${VESPIN_BOOK_ICON}")
  list(GET icon 0 source)
  list(GET icon 1 context)
  list(GET icon 2 name)
  install(FILES res/${source}.svg DESTINATION ${hicolor}/scalable/${context} RENAME ${name}.svg)
  foreach(size IN ITEMS 16 24 32 48 64 128 256)
    set(png ${VESPIN_GEN}/icons/${size}/${name}.png)
    # Ninja makes an output's folder itself, Make does not.
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${VESPIN_GEN}/icons/${size}
      COMMAND ${VESPIN_RSVG_CONVERT} -w ${size} -h ${size} -o ${png}
              ${PROJECT_SOURCE_DIR}/res/${source}.svg
      DEPENDS res/${source}.svg VERBATIM)
    list(APPEND VESPIN_ICON_FILES ${png})
    install(FILES ${png} DESTINATION ${hicolor}/${size}x${size}/${context})
  endforeach()
endforeach()

# Manual pages and the package's documents, compressed as Debian keeps them.
set(VESPIN_GZIPPED)
foreach(doc IN ITEMS doc/man/vespin.1 doc/man/vpxtool.1 packaging/changelog)
  get_filename_component(name ${doc} NAME)
  set(gz ${VESPIN_GEN}/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${PROJECT_SOURCE_DIR}/${doc} ${gz}
    DEPENDS ${doc} VERBATIM)
  list(APPEND VESPIN_GZIPPED ${gz})
endforeach()
add_custom_target(vespin_desktop_files ALL DEPENDS ${VESPIN_ICON_FILES} ${VESPIN_GZIPPED})
install(FILES ${VESPIN_GEN}/vespin.1.gz ${VESPIN_GEN}/vpxtool.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VESPIN_GEN}/changelog.gz packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The company's settings go to the installation's configuration folder, where the program
# looks after its own folder: <prefix>/etc/vespin, /etc/vespin for the system's /usr. Decided
# at install time, since the package installs the same build under /usr.
install(CODE "set(VESPIN_INI \"${PROJECT_SOURCE_DIR}/res/vespin.ini\")")
install(CODE [[
  set(etc "${CMAKE_INSTALL_PREFIX}/etc")
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(etc "/etc")
  endif()
  file(INSTALL "${VESPIN_INI}" DESTINATION "${etc}/vespin")
]])

# Refresh the desktop's caches when installing onto the running system (a package stages into
# DESTDIR and leaves that to the triggers of the MIME and desktop databases).
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    find_program(VESPIN_UPDATE_MIME update-mime-database)
    find_program(VESPIN_UPDATE_DESKTOP update-desktop-database)
    if(VESPIN_UPDATE_MIME)
      execute_process(COMMAND ${VESPIN_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/share/mime"
                      OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(VESPIN_UPDATE_DESKTOP)
      execute_process(COMMAND ${VESPIN_UPDATE_DESKTOP} "${CMAKE_INSTALL_PREFIX}/share/applications"
                      OUTPUT_QUIET ERROR_QUIET)
    endif()
  endif()
]])

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vespin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "attendance book (出勤簿) for one employee")
set(CPACK_PACKAGE_DESCRIPTION "Vespin keeps one employee's attendance book: the registered fiscal years with
one record per day, the attendance category, arrival and departure times and
work locations of each day. Each month can be exported as the head-office CSV
file and printed as a one-page attendance sheet. The user interface is in
Japanese. vpxtool does the same on the command line.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VESPIN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Library dependencies come from the binaries; what Qt loads at run time cannot be seen there:
# the window system's platform plugin, the SVG plugins that draw the program's images, the
# Japanese texts of Qt's dialogs, the sheet's font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without a Japanese font every text is boxes, without Qt's catalogue its dialogs are English:
# both are needed, not merely recommended.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
# Staged with DESTDIR under the package's own prefix, so that the settings land in /etc.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The settings are the company's: an upgrade keeps the file an administrator changed.
file(WRITE ${VESPIN_GEN}/conffiles "/etc/vespin/vespin.ini\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${VESPIN_GEN}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
