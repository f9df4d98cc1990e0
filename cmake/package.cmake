# `cpack --config build/CPackConfig.cmake` (or `cmake --build build --target
# package`) makes a Debian package of the install above. Its dependencies come
# from the shared libraries the program links (dpkg-shlibdeps), plus the Qt
# platform plugins, which it loads rather than links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marquill)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Marquill 32 developers <marquill@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML editor whose menus insert the markup")
set(CPACK_PACKAGE_DESCRIPTION
    "Marquill 32 is a multiple-document text editor for hand-written web pages.
Its menus, toolbars and dialogs insert HTML tags at the caret or around the
selection; the page stays plain text, saved as Shift-JIS. The user interface
is Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps adds qt6-base-abi (= the Qt built with) itself: the editor's
# line layout uses Qt's private text engine.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# A Japanese input method that reaches Qt 6 programs (uim has no Qt 6 module).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n, ibus-mozc | fcitx5-mozc | ibus-anthy")
include(CPack)
