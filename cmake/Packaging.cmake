# How Tolmark2 is installed and packed: where the game goes, what the desktop knows it by, and
# the Debian package that `cpack --preset package` makes from the package build.

# Debian keeps games apart from other programs, in /usr/games.
set(TOLMARK_INSTALL_GAMESDIR "games" CACHE STRING
    "Folder under the install prefix for the game and its launcher")
# The game's AppStream id, also the name of its desktop entry and metainfo file. Reversed from
# the web home below; both are to change together once the game has a home of its own.
set(TOLMARK_APP_ID "org.example.tolmark2" CACHE STRING
    "AppStream id of the game (reverse domain name)")
set(TOLMARK_HOMEPAGE "https://tolmark2.example.org" CACHE STRING
    "The game's web home, named in the package and the AppStream metadata")
set(TOLMARK_SCREENSHOT_URL "${TOLMARK_HOMEPAGE}/screenshot.png" CACHE STRING
    "Where software centres fetch the screenshot (dist/screenshot.png published)")
set(TOLMARK_MAINTAINER "Tolmark2 maintainers <maintainers@users.noreply.c-seed-550b4542.example>"
    CACHE STRING "Maintainer named in the Debian package")

if(IS_ABSOLUTE "${TOLMARK_INSTALL_GAMESDIR}")
  set(TOLMARK_INSTALL_FULL_GAMESDIR "${TOLMARK_INSTALL_GAMESDIR}")
else()
  set(TOLMARK_INSTALL_FULL_GAMESDIR "${CMAKE_INSTALL_PREFIX}/${TOLMARK_INSTALL_GAMESDIR}")
endif()

# The changelog's newest entry and the manual page speak of the version being built: a release
# that forgot either is stopped here rather than shipped with stale words.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/dist/changelog ${PROJECT_SOURCE_DIR}/dist/tolmark2.6)
file(STRINGS ${PROJECT_SOURCE_DIR}/dist/changelog newest LIMIT_COUNT 1)
file(STRINGS ${PROJECT_SOURCE_DIR}/dist/tolmark2.6 title REGEX "^\\.TH ")
string(REGEX MATCH "^tolmark2 \\(([^)]*)\\)" _ "${newest}")
set(changelog_version "${CMAKE_MATCH_1}")
string(REGEX MATCH "\"Tolmark2 ([^\"]*)\"" _ "${title}")
set(manual_version "${CMAKE_MATCH_1}")
if(NOT changelog_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "dist/changelog's newest entry is version '${changelog_version}', "
                      "the game is ${PROJECT_VERSION}: add an entry for it")
endif()
if(NOT manual_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "dist/tolmark2.6 is titled for version '${manual_version}', "
                      "the game is ${PROJECT_VERSION}")
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tolmark2")
set(CPACK_PACKAGE_VENDOR "Tolmark2 maintainers")
set(CPACK_PACKAGE_CONTACT "${TOLMARK_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TOLMARK_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "weapons shop game played on the bottom of the desktop")
set(CPACK_PACKAGE_DESCRIPTION [[
Tolmark2 is a game about running a weapons shop. The merchant, his customers,
the monsters of the road and every speech balloon stand as see-through figures
on the bottom edge of the desktop, beside the player's other windows.

Customers come to buy and sell weapons, and the player answers each request
with yes or no. Between shop days the merchant travels to stock up, fights
monsters, meets travellers and delivers the king's order at the castle.
The game speaks Japanese or English, as the locale or its --lang option asks.

The game needs an X11 desktop (or XWayland) that can shape windows.]])
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
# Installed paths in the package are the ones the build was configured for (the desktop entry
# names the launcher by its full path), so the package preset configures with the prefix /usr.
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Japanese edition's balloons and menus need a Japanese font, or they are rows of boxes: the
# game looks for IPA P Gothic first and takes any other Japanese Gothic face after it. The
# English edition's balloons are written in DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic | fonts-ipaexfont-gothic | fonts-vlgothic, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")

include(CPack)
