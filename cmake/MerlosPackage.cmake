# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh does it all). It holds
# what cmake/MerlosInstall.cmake installs, under /usr. Its run-time dependencies are computed from the
# binaries by dpkg-shlibdeps, not written here.
set(CPACK_PACKAGE_NAME ${MERLOS_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Merlos developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn, scramble and solve the 3x3x3 cube, stage by stage")
# The long description, in lines of Debian's width.
set(CPACK_PACKAGE_DESCRIPTION [[
Merlos shows a picture of the 3x3x3 twisting cube and turns any of its
layers, or the whole cube, with a click or a key of the usual cube notation.
Every turn is written to a log that can be undone. It scrambles the cube and
solves it in six stages, one button each, so that someone who has never
solved a cube can watch how it is done.]])
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Merlos developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window is laid out for a narrow Helvetica-like face; any other sans-serif face also works.
# Qt's own translations give the standard buttons and dialogs the program's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35 | fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
