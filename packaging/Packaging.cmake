# The Debian package: `cmake --build <build> --target package` writes
# kotebu-special-pack_<version>_<arch>.deb into the build folder. It holds what
# `cmake --install` installs, placed under /usr whatever prefix the build has.

# The newest entry of the Debian changelog is this release. Its version must be
# the project's, so a new version cannot ship without its entry; its date is
# the release date the metainfo and the manual page show.
file(READ ${CMAKE_CURRENT_LIST_DIR}/changelog kotebu_changelog)
if(NOT kotebu_changelog MATCHES "^kotebu-special-pack \\(([^)]+)\\)")
    message(FATAL_ERROR "packaging/changelog does not start with a kotebu-special-pack entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog starts with version ${CMAKE_MATCH_1} but the project is "
        "${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION} at its top")
endif()
if(NOT kotebu_changelog MATCHES "\n -- [^\n]+>  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "packaging/changelog: the newest entry has no date line")
endif()
set(kotebu_day ${CMAKE_MATCH_1})
set(kotebu_year ${CMAKE_MATCH_3})
set(kotebu_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND kotebu_months ${CMAKE_MATCH_2} kotebu_month)
if(kotebu_month EQUAL -1)
    message(FATAL_ERROR "packaging/changelog: no month is called ${CMAKE_MATCH_2}")
endif()
math(EXPR kotebu_month "${kotebu_month} + 1")
foreach(part kotebu_day kotebu_month)
    string(LENGTH ${${part}} digits)
    if(digits EQUAL 1)
        set(${part} 0${${part}})
    endif()
endforeach()
set(KOTEBU_RELEASE_DATE ${kotebu_year}-${kotebu_month}-${kotebu_day})

# Debian wants manual pages and changelogs compressed at the highest level,
# with no time stamp in the header so that two builds give the same package.
find_program(KOTEBU_GZIP gzip REQUIRED)
function(kotebu_gzip target input output)
    string(REGEX REPLACE "\\.gz$" "" plain ${output})
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E copy ${input} ${plain}
        COMMAND ${KOTEBU_GZIP} -9nf ${plain}
        DEPENDS ${input}
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()

set(KOTEBU_INSTALL_DOC ${CMAKE_INSTALL_DATAROOTDIR}/doc/kotebu-special-pack)
kotebu_gzip(kotebu_changelog ${CMAKE_CURRENT_LIST_DIR}/changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${KOTEBU_INSTALL_DOC})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kotebu-special-pack)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The KoTeBu Special Pack team")
set(CPACK_PACKAGE_CONTACT "KoTeBu Special Pack team <team@kotebu.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese real-time raising and adventure games of Kotobu and Harunen")
# Read here rather than named by CPACK_PACKAGE_DESCRIPTION_FILE, which CPack
# hands on XML-escaped (an apostrophe comes out as &apos;).
file(READ ${CMAKE_CURRENT_LIST_DIR}/description.txt CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# Lintian's overrides concern the Debian package alone: a plain cmake --install
# leaves them out, the package takes them with everything else.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME kotebu-special-pack
    COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the program itself; the theme needs a General MIDI
# SoundFont (the small one is enough, the larger one sounds better) and the
# windows need the IPA fonts the game was laid out with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | fluid-soundfont-gm, fonts-ipafont-gothic, fonts-ipafont-mincho")
# Qt's own translations put the message boxes' buttons and a text box's menu
# in the game's language; without them they stay in English. The Chinese and
# Korean games are drawn in faces of their regions: the IPA fonts lack
# characters they use and draw shared ones the Japanese way.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fluid-soundfont-gm, qt6-wayland, qt6-translations-l10n, fonts-wqy-microhei, fonts-arphic-uming, fonts-nanum")
# No Homepage field: the game has no public page yet. No maintainer scripts
# either: saved games live in the players' homes and are none of the
# package's business, before or after removal.

set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/shot[^/]*\\\\.png$")

include(CPack)
