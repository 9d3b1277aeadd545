# The Debian package: "cpack -G DEB" in the build folder makes coinwell_<version>_<arch>.deb
# from what "cmake --install" places (scripts/package.sh does both).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME coinwell)
set(CPACK_PACKAGE_VENDOR "Coinwell developers")
set(CPACK_PACKAGE_CONTACT "Coinwell developers <coinwell@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "household finance calculators")
set(CPACK_PACKAGE_INSTALL_DIRECTORY coinwell)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://coinwell.example.org")
# The control file keeps these line breaks: lines of under 80 characters, as Debian wants them.
set(CPACK_PACKAGE_DESCRIPTION "Coinwell opens five tools from one main screen: a Loan Calculator with
payment tables and amortization schedules, a Home Budget kept per calendar
year with totals, a chart, printing, spelling check, export and backup, an
Actuarial Calculator of present and future values, a Home Calculator of the
home a household can afford, and a scientific Calculator.")
# The shared libraries the program links are found by dpkg-shlibdeps; the data it reads at run
# time by name are not: the spelling check's word list and the screens' fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "hunspell-en-us, fonts-liberation, fonts-dejavu-core")

# The licence, where Debian looks for a package's copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/coinwell
        RENAME copyright)

include(CPack)
