# The Debian package (tools/package.sh): everything the install rules put
# under /usr. The libraries it needs are found from the executables by
# dpkg-shlibdeps; only what no executable links is named here: Qt's window
# system plugins, Qt's Chinese texts and the LCD's fonts.
set(CPACK_PACKAGE_NAME zan400lt)
set(CPACK_PACKAGE_VENDOR "ZAN 400LT developers")
set(CPACK_PACKAGE_CONTACT "ZAN 400LT developers <zan400lt@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for a two-axis CNC lathe and its controller")
# The long description; CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "An on-screen two-axis CNC lathe together with its operator controller, the
ZAN 400LT. Students operate a replica of the controller, write part
programs in its G-code dialect, run them by hand, block by block or
continuously, and watch the drawn lathe cut a blank held in the chuck.

Each user keeps their own part programs and parameters in
~/.local/share/zan400lt. For instructors, the package also holds
zan400lt-run, which runs part programs without a window and compares the
turned part with a reference, and zan400lt-grade, which grades a whole
class and writes a report with a picture of each part.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first packaging of this version (the change log is changelog.Debian).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-wqy-zenhei, fonts-dejavu-core")
# The LCD's bitmap font; Debian lets no package depend on an X font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xfonts-wqy")
include(CPack)
