# The Debian package. In the build folder, `cpack -G DEB` makes trovale_<version>_amd64.deb
# from what `cmake --install` installs, laid out under /usr whatever the build's own prefix.
include(GNUInstallDirs)

# The release notes are written by hand; a package must not carry another version's.
set(TROVALE_PACKAGE_DIR ${CMAKE_SOURCE_DIR}/data/package)
file(STRINGS ${TROVALE_PACKAGE_DIR}/changelog TROVALE_CHANGELOG_TOP LIMIT_COUNT 1)
file(READ ${CMAKE_SOURCE_DIR}/data/desktop/io.github.trovale.Trovale.metainfo.xml
     TROVALE_METAINFO)
if(NOT TROVALE_CHANGELOG_TOP MATCHES "^trovale \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "data/package/changelog must begin with version ${PROJECT_VERSION}")
endif()
if(NOT TROVALE_METAINFO MATCHES "<releases>[ \t\r\n]*<release version=\"${PROJECT_VERSION}\"")
    message(FATAL_ERROR "the metainfo's newest release must be ${PROJECT_VERSION}")
endif()

# A native package: its changelog is changelog.gz, beside the copyright notice.
set(TROVALE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/trovale)
trovale_comprimido(${TROVALE_PACKAGE_DIR}/changelog ${CMAKE_BINARY_DIR}/package/changelog.gz)
add_custom_target(trovale_package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/package/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/package/changelog.gz ${TROVALE_PACKAGE_DIR}/copyright
        DESTINATION ${TROVALE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trovale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# DESTDIR staging keeps the install's refresh of the desktop caches out of the package: the
# caches are refreshed by the triggers of shared-mime-info, desktop-file-utils and hicolor.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Trovale developers <trovale@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://trovale.github.io/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for guitar chord sheets")
set(CPACK_PACKAGE_DESCRIPTION
    "Trovale writes, transposes, prints and plays guitar chord sheets
(cifras), with a Brazilian-Portuguese interface. A song is typed as
plain text or directly on the laid-out page, chord symbols over the
syllables of the lyrics; each chord takes its fingering from a
catalogue the user can edit, drawn as a diagram. Songs are laid out in
one to three columns, previewed, printed, exported as PDF or ChordPro
and gathered into songbooks; any chord can be heard through the
built-in synthesizer or a MIDI device.
.
trovale-cli, the command-line companion, names chords and fingerings,
converts and transposes songs and prints them as PDF.")
# The libraries' packages are found by dpkg-shlibdeps; what is only opened at run time is
# named here: the General MIDI sound font the built-in synthesizer plays, and the fonts the
# templates' Arial and Courier New resolve to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | sf2-soundfont-gm, fonts-liberation")
# Qt's own dialog buttons in Portuguese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
