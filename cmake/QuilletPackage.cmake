# The Debian package, built by CPack (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR "Quillet developers")
set(CPACK_PACKAGE_CONTACT "Quillet developers <quillet@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keeps one navigation menu identical in every page of a site")
# Lines of at most 80 characters, as a package's description is read in a terminal.
set(CPACK_PACKAGE_DESCRIPTION "Quillet is for people who keep a small static web site by hand.
The shared navigation menu is edited once and written into every page, and in
each page the menu entry that points to the page itself is highlighted. Pages
are edited in place, in UTF-8 or Shift_JIS, and every run can be taken back.
Its interface is in Japanese.
quillet-cli runs the same cycle from a terminal, a Makefile or a git hook; it
comes with manual pages and bash and zsh completion.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
# The Qt libraries the programs link come from dpkg-shlibdeps; the platform plugins that
# let the window open are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")

include(CPack)
