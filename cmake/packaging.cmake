# `cpack -G DEB` in a release build makes the Debian package (scripts/package runs it).
set(CPACK_PACKAGE_NAME hourvault)
set(CPACK_PACKAGE_VENDOR "${HOURVAULT_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${HOURVAULT_VENDOR} <hourvault@users.noreply.github.com>")
# The version, the summary (the package's synopsis) and the homepage come from project().
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The summary is the synopsis; CPack indents these lines into the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Hourvault works out how long a TX-4160 (16 channel) or TX-4090 (9 channel)
digital video recorder can keep recording before its hard disk is full.
Choose the model, NTSC or PAL, the number of cameras, the resolution, the
picture quality, the recording rate, audio and the disk size, and it shows
the recording time in hours and in days.")
# dpkg-shlibdeps works out the libraries the program needs, and from them the rest of Depends.
# The font every text asks for comes with the program: with another in its place, texts are cut
# off in their fixed boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
# Qt's Wayland platform, so that a Wayland session runs the program natively, sharp at any scale,
# rather than through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Directories the package shares with the system belong to root and are world-readable.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
