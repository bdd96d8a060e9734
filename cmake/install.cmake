# Installing for a player (make install): the game folder, the executable with data/ beside it as in the
# build tree, so that the game finds its files the same way; a bin/ link to it; and what a desktop needs to
# list it. Paths are relative to the prefix chosen at install time.
include(${CMAKE_CURRENT_LIST_DIR}/layout.cmake)

# The name desktops know the game by. It should be a reversed domain name; the project has none yet, and
# names under ".invalid" can never belong to anyone else.
set(MORVATEK_APP_ID invalid.morvatek.Morvatek)
set(MORVATEK_WEB_URL https://morvatek.invalid)
# What a player reads: the README and the licences of the code and of the font.
set(MORVATEK_DOCUMENTS README.md LICENSE LICENSE.DejaVu)

# The executable and its data in one folder, the layout the game expects wherever that folder lies.
function(morvatek_install_game_folder destination component)
  install(TARGETS morvatek DESTINATION ${destination} COMPONENT ${component} ${ARGN})
  install(DIRECTORY ${CMAKE_BINARY_DIR}/data DESTINATION ${destination} COMPONENT ${component} ${ARGN}
          PATTERN .generated EXCLUDE)
endfunction()

# A relative symbolic link, so that the installed tree can be staged (DESTDIR) or moved whole.
function(morvatek_install_link link target)
  get_filename_component(link_dir ${link} DIRECTORY)
  file(RELATIVE_PATH pointing /prefix/${link_dir} /prefix/${target})
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
    message(STATUS \"Installing: \${link}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link_dir}\")
    file(CREATE_LINK \"${pointing}\" \"\${link}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${CMAKE_INSTALL_PREFIX}/${link}\")"
    COMPONENT Game)
endfunction()

# The map generator under the name players know it by. A renamed program is not stripped the way an installed
# target is, so a stripped install (make install, CPack) strips it here.
function(morvatek_install_mapgen destination component)
  install(PROGRAMS $<TARGET_FILE:assetgen> DESTINATION ${destination} RENAME morvatek-mapgen
          COMPONENT ${component} ${ARGN})
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/morvatek-mapgen\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()"
    COMPONENT ${component} ${ARGN})
endfunction()

# Programs. The game is started through bin/morvatek and finds its folder through /proc/self/exe, which
# follows the link. The map generator needs no data of its own and goes straight into bin/; it finds the
# game's folder through the same link.
morvatek_install_game_folder(${MORVATEK_GAME_DIR} Game)
morvatek_install_link(bin/morvatek ${MORVATEK_GAME_DIR}/morvatek)
morvatek_install_mapgen(bin Game)

# What a desktop needs to list the game: the entry, which starts the game by its full path (known only once
# the prefix is), the icons and the metainfo. `program` is the game's path under the prefix.
function(morvatek_install_desktop_files program component)
  install(CODE "
    set(MORVATEK_APP_ID ${MORVATEK_APP_ID})
    set(MORVATEK_PROGRAM ${program})
    set(MORVATEK_DESKTOP_TEMPLATE \"${CMAKE_SOURCE_DIR}/packaging/morvatek.desktop.in\")
    set(MORVATEK_DESKTOP_ENTRY \"${CMAKE_BINARY_DIR}/packaging/${MORVATEK_APP_ID}.desktop\")"
    COMPONENT ${component} ${ARGN})
  install(SCRIPT ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/install-desktop-entry.cmake COMPONENT ${component} ${ARGN})
  install(FILES ${CMAKE_BINARY_DIR}/data/other-images/icon.png DESTINATION share/icons/hicolor/32x32/apps
          RENAME ${MORVATEK_APP_ID}.png COMPONENT ${component} ${ARGN})
  install(FILES ${CMAKE_BINARY_DIR}/data/other-images/icon-256.png DESTINATION share/icons/hicolor/256x256/apps
          RENAME ${MORVATEK_APP_ID}.png COMPONENT ${component} ${ARGN})
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${MORVATEK_APP_ID}.metainfo.xml DESTINATION share/metainfo
          COMPONENT ${component} ${ARGN})
endfunction()

configure_file(packaging/morvatek.metainfo.xml.in ${CMAKE_BINARY_DIR}/packaging/${MORVATEK_APP_ID}.metainfo.xml
               @ONLY)
morvatek_install_desktop_files(bin/morvatek Game)

set(MORVATEK_MAN_PAGES docs/morvatek.6 docs/morvatek-mapgen.6)
install(FILES ${MORVATEK_MAN_PAGES} DESTINATION share/man/man6 COMPONENT Game)
install(FILES ${MORVATEK_DOCUMENTS} DESTINATION share/doc/morvatek COMPONENT Game)

# Last of all, the list of what was installed, for make uninstall; deferred so that it follows every install
# rule, wherever one is added. CMake records installed files without DESTDIR, so the list is the same
# whether the install is staged or not.
function(morvatek_install_file_list)
  install(CODE "
    set(listed \"${MORVATEK_FILE_LIST}\\n\")
    foreach(installed IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
      file(RELATIVE_PATH relative \"\${CMAKE_INSTALL_PREFIX}\" \"\${installed}\")
      string(APPEND listed \"\${relative}\\n\")
    endforeach()
    file(WRITE \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${MORVATEK_FILE_LIST}\" \"\${listed}\")"
    COMPONENT Game)
endfunction()
cmake_language(DEFER CALL morvatek_install_file_list)
