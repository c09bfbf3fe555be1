# The Debian package CPack makes of what the install rules install: quellar_<version>_<arch>.deb
# under /usr, with the dependencies dpkg-shlibdeps finds in the stripped program.
set(QUELLAR_PACKAGE_MAINTAINER "Tovenlab <quellar@tovenlab.invalid>"
    CACHE STRING "The maintainer the Debian package names")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quellar)
set(CPACK_PACKAGE_VENDOR Tovenlab)
set(CPACK_PACKAGE_CONTACT ${QUELLAR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUELLAR_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[screen saver of glyphs falling in columns
Quellar fills the screen with columns of glyphs falling down a black
screen, each chain with a bright head, a green glyph behind it and a dim
body. Hotkeys change the speed, the chain length and random gaps while it
runs, an on-screen display announces each change and F1 lists the keys;
ending a run first plays a short SYSTEM FAILURE sequence.
.
It runs full screen on its own, inside the X11 screen-saver daemon and the
lockers that hand it a window (xsecurelock and others), and has a settings
dialog. Settings are kept in an SQLite file in the user's configuration
directory.]=])

include(CPack)
