# The translations: translations/quiltra_<language>.ts compiled by lrelease into the program
# folder's translations/ (and installed beside the executable). scripts/update-translations.sh
# brings the .ts files up to date with the sources.
find_program(QUILTRA_LRELEASE NAMES lrelease lrelease-qt6
             HINTS /usr/lib/qt6/bin ${QT6_INSTALL_PREFIX}/bin REQUIRED)
find_program(QUILTRA_LUPDATE NAMES lupdate lupdate-qt6 HINTS /usr/lib/qt6/bin ${QT6_INSTALL_PREFIX}/bin)

set(QUILTRA_LANGUAGES de fr es)
set(QUILTRA_QM_FILES)
foreach(language ${QUILTRA_LANGUAGES})
  set(ts ${CMAKE_SOURCE_DIR}/translations/quiltra_${language}.ts)
  set(qm ${QUILTRA_PROGRAM_DIR}/translations/quiltra_${language}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILTRA_PROGRAM_DIR}/translations
    COMMAND ${QUILTRA_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the ${language} translation")
  list(APPEND QUILTRA_QM_FILES ${qm})
endforeach()
add_custom_target(translations ALL DEPENDS ${QUILTRA_QM_FILES})
