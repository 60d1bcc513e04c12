# Installation and the Debian package: the program, its help page, a desktop
# entry and an icon under the prefix; `cpack -G DEB` packs the same tree.

include(GNUInstallDirs)

# The help page's installed path is fixed when the program is built.
set(PLYFIX_HELP_DIR ${CMAKE_INSTALL_DATADIR}/plyfix/help)
set(PLYFIX_HELP_FILE ${CMAKE_INSTALL_FULL_DATADIR}/plyfix/help/index.html)
configure_file(${PROJECT_SOURCE_DIR}/app/help_file.h.in
               ${PROJECT_BINARY_DIR}/generated/app/help_file.h @ONLY)
target_include_directories(plyfix_program PUBLIC ${PROJECT_BINARY_DIR}/generated)

if(TARGET plyfix)
  install(TARGETS plyfix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/help/index.html DESTINATION ${PLYFIX_HELP_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/plyfix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/plyfix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME plyfix)
set(CPACK_PACKAGE_VENDOR "Plyfix team")
set(CPACK_PACKAGE_CONTACT "Plyfix team <plyfix@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Apply one text operation to many text files at once")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://plyfix.example.org/")
# The package installs where the help page's path was fixed: configure with
# -DCMAKE_INSTALL_PREFIX=/usr for a system package.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Help and the About box's links open through xdg-open; without it they do nothing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
