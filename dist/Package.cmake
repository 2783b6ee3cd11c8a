# The Debian package of everything installed, under /usr. The libraries the game links give
# its dependencies; sound needs aplay and the toolkit's font comes from xfonts-base.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sassorbi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Sassorbi developers <sassorbi@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SASSORBI_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "alsa-utils, xfonts-base")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: collect the diamonds, dodge the falling rocks")
set(CPACK_PACKAGE_DESCRIPTION
    "Steer a ship along the bottom of the window, over a night picture of a\n"
    "landmark, collect the ten diamonds of each level and dodge the asteroids\n"
    "that fall from the sky. The title screen shows the ten best scores, kept\n"
    "in the player's own folder. Play with the keyboard or a joystick.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
# Everything but the launcher on PATH, which a Debian package puts among the games.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};Sassorbi;Unspecified;/" "${CMAKE_BINARY_DIR};Sassorbi;debian;/")
include(CPack)
