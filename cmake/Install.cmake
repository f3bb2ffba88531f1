# Installation and the Debian package. An installation holds the same program folder as the build
# (the executable beside Graphics/, Sound/, translations/, the intro picture and the credits) under lib/quiltra,
# a `quiltra` launcher on the PATH, and the desktop entry, icons and AppStream metainfo. It has no
# portable marker, so the game keeps its settings in the player's data folder.
set(QUILTRA_INSTALL_DIR lib/quiltra)
set(QUILTRA_APP_ID org.quiltra.Quiltra)

install(TARGETS quiltra RUNTIME DESTINATION ${QUILTRA_INSTALL_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Graphics ${CMAKE_SOURCE_DIR}/data/Sound
        DESTINATION ${QUILTRA_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/intro.bmp ${CMAKE_SOURCE_DIR}/data/CREDITS.md
        DESTINATION ${QUILTRA_INSTALL_DIR})
install(FILES ${QUILTRA_QM_FILES} DESTINATION ${QUILTRA_INSTALL_DIR}/translations)

# The launcher is a relative link, so the installation works under any prefix and in a package.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ../${QUILTRA_INSTALL_DIR}/quiltra ${CMAKE_BINARY_DIR}/launcher/quiltra SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/launcher/quiltra DESTINATION bin)

set(desktop ${CMAKE_SOURCE_DIR}/data/desktop)
install(FILES ${desktop}/${QUILTRA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop}/${QUILTRA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop}/quiltra.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${QUILTRA_APP_ID}.svg)
foreach(size 48 64 128 256)
  install(FILES ${desktop}/quiltra-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${QUILTRA_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quiltra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Quiltra developers <developers@quiltra.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture puzzle: cut a picture into pieces and put it together")
set(CPACK_PACKAGE_DESCRIPTION
    "Quiltra fits a BMP, GIF, JPEG, PNG, WebP or TIFF picture into its game area, cuts it into a grid of pieces and
shuffles them; the player puts it together again by swapping pieces or by sliding them into the
one empty cell.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins are loaded at run time, so the library scan cannot see them: the X11 platform plugin and
# the image format plugins that read WebP and TIFF. The scan finds libcanberra0 (which plays the
# sound effects through ALSA) and libasound2.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins")
# A sound server and libcanberra's plugin for it play the sound effects where there is one (ALSA
# alone otherwise). Qt's own translations name the keys in the menus' shortcuts in the player's
# language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, libcanberra-pulse, qt6-translations-l10n")
include(CPack)
