# The Windows program and what it installs beside it, included by
# app/CMakeLists.txt for a Windows build (scripts/build-windows.sh):
#
#   kotebu-special-pack.exe   the program, windowed, with its icon
#   game/                     the shipped game files, seeded into the
#                             player's %APPDATA%\kotebu-special-pack\
#   Qt's DLLs, plugins/, translations/ (qtbase_*.qm), qt.conf, and the
#   MinGW runtime DLLs the program and Qt were built against
#
# `cmake --install` into a folder gives the tree the zip and the installer
# hold.

set(kotebu_windows ${PROJECT_SOURCE_DIR}/packaging/windows)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The icon, from the program icon's pictures; the resource script names it.
set(KOTEBU_ICO ${CMAKE_CURRENT_BINARY_DIR}/kotebu.ico)
add_custom_command(OUTPUT ${KOTEBU_ICO}
    COMMAND Python3::Interpreter ${kotebu_windows}/make-ico.py ${KOTEBU_ICO}
        ${PROJECT_SOURCE_DIR}/assets/icons/kotebu-256.png ${PROJECT_SOURCE_DIR}/assets/icons/kotebu-48.png
    DEPENDS ${kotebu_windows}/make-ico.py ${PROJECT_SOURCE_DIR}/assets/icons/kotebu-256.png
        ${PROJECT_SOURCE_DIR}/assets/icons/kotebu-48.png
    VERBATIM)
configure_file(${kotebu_windows}/kotebu.rc.in ${CMAKE_CURRENT_BINARY_DIR}/kotebu.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/kotebu.rc PROPERTIES OBJECT_DEPENDS ${KOTEBU_ICO})

install(TARGETS kotebu RUNTIME DESTINATION .)

# The game files as the original keeps them on Windows: the picture folders
# of the start template end with "\".
install(DIRECTORY ${KOTEBU_GAME_FILES_DIR}/ DESTINATION game PATTERN KTBSPST.INI EXCLUDE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KOTEBU_GAME_FILES_DIR}/KTBSPST.INI)
file(READ ${KOTEBU_GAME_FILES_DIR}/KTBSPST.INI kotebu_template)
string(REGEX REPLACE "(Path=[^\r\n]*)/" "\\1\\\\" kotebu_template "${kotebu_template}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/windows-game/KTBSPST.INI "${kotebu_template}")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/windows-game/KTBSPST.INI DESTINATION game)

install(FILES ${kotebu_windows}/qt.conf DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# Qt, and the plugins the game uses: the window system, the Windows style,
# and the picture formats players' monster pictures may come in.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION plugins/platforms)
foreach(plugin QWindowsVistaStylePlugin QGifPlugin QJpegPlugin QICOPlugin)
    if(TARGET Qt6::${plugin})
        get_target_property(kotebu_plugin_type Qt6::${plugin} QT_PLUGIN_TYPE)
        install(FILES $<TARGET_FILE:Qt6::${plugin}> DESTINATION plugins/${kotebu_plugin_type})
    endif()
endforeach()

# Qt's own translations of its buttons, for the languages the game speaks
# (Debian's qt6-translations-l10n, of the same Qt version).
set(KOTEBU_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Qt's own .qm translations to ship")
foreach(language ja en ko zh_CN zh_TW)
    if(EXISTS ${KOTEBU_QT_TRANSLATIONS}/qtbase_${language}.qm)
        install(FILES ${KOTEBU_QT_TRANSLATIONS}/qtbase_${language}.qm DESTINATION translations)
    endif()
endforeach()

# The MinGW runtime the program and Qt were built against.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE kotebu_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${kotebu_dll}" OR NOT EXISTS "${kotebu_dll}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    install(FILES ${kotebu_dll} DESTINATION .)
endforeach()
