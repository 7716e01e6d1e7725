# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian package, built by `cpack -G DEB` in the build folder (scripts/package.sh does it):
# kalvora_VERSION_amd64.deb with the programs, the private converter, the data files, the
# desktop entry, the icons, the manual pages, the copyright file and the changelog. The
# libraries it needs are read off the binaries by dpkg-shlibdeps; ExifTool and the fonts are
# run-time needs that no binary names, so they are listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvora)
set(CPACK_PACKAGE_VENDOR Vendrel)
set(CPACK_PACKAGE_CONTACT "Vendrel <support@vendrel.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stamp dates and texts onto many photos at once")
set(CPACK_PACKAGE_DESCRIPTION
    "Kalvora stamps a line of text onto every picture of a list in one run: the\n"
    "date a camera took the photo, the date the file was created, modified or\n"
    "last read, a date and time typed by the user, or a text of one or more\n"
    "lines, at one of nine positions in a chosen font and colour. Results keep\n"
    "their format and their EXIF, GPS, IPTC and XMP metadata. kalvora-stamp does\n"
    "the same from the command line.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vendrel.example/kalvora)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libheif 1.15 (Debian 12) reads and writes HEIC and AVIF through these decoders and encoders:
# libde265 and x265 for HEVC, dav1d and libaom for AV1.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libimage-exiftool-perl, fonts-liberation, qt6-image-formats-plugins, qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n, libheif1 (>= 1.15), libde265-0, libx265-199, libdav1d6, libaom3")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The copyright file and the compressed changelog that Debian's policy asks of every package
# (a native package, so the changelog is changelog.gz).
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/kalvora)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${doc_dir})
set(changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND sh -c "gzip -9n < '${PROJECT_SOURCE_DIR}/packaging/debian/changelog' > '${changelog_gz}'"
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog_gz})
install(FILES ${changelog_gz} DESTINATION ${doc_dir})

include(CPack)
