# What is handed out, made by CPack: the portable archive (make dist) and the Debian package (make deb). Each
# has a component of its own, left out of make install.

# The portable archive: one folder holding the game folder as in the build tree, the map generator beside the
# game, the README and the licences.
morvatek_install_game_folder(. Archive EXCLUDE_FROM_ALL)
morvatek_install_mapgen(. Archive EXCLUDE_FROM_ALL)
install(FILES ${MORVATEK_DOCUMENTS} DESTINATION . COMPONENT Archive EXCLUDE_FROM_ALL)

# The package, for an install that every user of the machine shares: the programs in games/, no data/ beside
# them, so that the game reads its data from the package's data folder and keeps each player's settings and
# maps in that player's own folders. Packed under the prefix /usr; the build must have been configured for
# it, since the game holds the data folder's full path.
install(TARGETS morvatek DESTINATION ${MORVATEK_PACKAGE_PROGRAM_DIR} COMPONENT Package EXCLUDE_FROM_ALL)
morvatek_install_mapgen(${MORVATEK_PACKAGE_PROGRAM_DIR} Package EXCLUDE_FROM_ALL)
install(DIRECTORY ${CMAKE_BINARY_DIR}/data DESTINATION ${MORVATEK_PACKAGE_DATA_DIR} COMPONENT Package
        EXCLUDE_FROM_ALL PATTERN .generated EXCLUDE)
morvatek_install_desktop_files(${MORVATEK_PACKAGE_PROGRAM_DIR}/morvatek Package EXCLUDE_FROM_ALL)

# Debian wants the manual pages and the change log compressed, the most gzip can and without a time stamp,
# and the licences in one machine-readable copyright file.
set(package_docs ${CMAKE_BINARY_DIR}/packaging/deb)
set(MORVATEK_MAINTAINER "The Morvatek developers <developers@morvatek.invalid>")
execute_process(COMMAND date -u -R -d ${MORVATEK_RELEASE_DATE} OUTPUT_VARIABLE MORVATEK_RELEASE_STAMP
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)

# A licence text as a copyright field's body: each line one blank in, an empty line as " .".
function(copyright_field_text text result)
  string(REPLACE "\n\n" "\n.\n" text "${text}")
  string(REPLACE "\n" "\n " text "${text}")
  set(${result} " ${text}" PARENT_SCOPE)
endfunction()
# The part of a file from the first mark up to the second (left out), or to the end without one.
function(text_between file first last result)
  file(READ ${file} text)
  string(FIND "${text}" "${first}" begin)
  string(SUBSTRING "${text}" ${begin} -1 text)
  string(FIND "${text}" "${last}" end)
  string(SUBSTRING "${text}" 0 ${end} text)
  string(STRIP "${text}" text)
  set(${result} "${text}" PARENT_SCOPE)
endfunction()
text_between(LICENSE "Permission is hereby granted" "\n\nThis licence covers" mit_text)
copyright_field_text("${mit_text}" MORVATEK_MIT_LICENCE)
# Debian's own copyright file of the font, whose licence field is already in this form.
text_between(LICENSE.DejaVu "License: bitstream-vera\n" "\n\nFiles: " font_licence)
string(REPLACE "License: bitstream-vera\n" "" MORVATEK_FONT_LICENCE "${font_licence}")
configure_file(packaging/copyright.in ${package_docs}/copyright @ONLY)

set(compressed_docs)
foreach(doc ${MORVATEK_MAN_PAGES} ${CMAKE_BINARY_DIR}/packaging/changelog)
  get_filename_component(name ${doc} NAME)
  set(compressed ${package_docs}/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E copy ${doc} ${package_docs}/${name}
                     COMMAND gzip -9nf ${package_docs}/${name}
                     DEPENDS ${doc} WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)
  list(APPEND compressed_docs ${compressed})
endforeach()
add_custom_target(packagedocs DEPENDS ${compressed_docs})
list(FILTER compressed_docs INCLUDE REGEX "\\.6\\.gz$")
install(FILES ${compressed_docs} DESTINATION share/man/man6 COMPONENT Package EXCLUDE_FROM_ALL)
install(FILES ${package_docs}/copyright ${package_docs}/changelog.gz README.md DESTINATION share/doc/morvatek
        COMPONENT Package EXCLUDE_FROM_ALL)

# CPack would otherwise build every target first, the tests too; make dist and make deb build what they need
# before packing.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

string(TOLOWER ${CMAKE_SYSTEM_NAME} system_name)
set(CPACK_PACKAGE_NAME morvatek)
set(CPACK_PACKAGE_VENDOR "the Morvatek developers")
set(CPACK_PACKAGE_FILE_NAME morvatek-${PROJECT_VERSION}-${system_name}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_GENERATOR TGZ)
set(CPACK_COMPONENTS_ALL Archive)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
# Unpacking gives one folder named like the archive, not files strewn in the current directory.
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)

# The package; cmake/package-generators.cmake switches to it when CPack runs with -G DEB.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MORVATEK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MORVATEK_WEB_URL})
# The synopsis, then the long description in lines short enough for package managers to show unwrapped.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "turn-based artillery game on destructible landscapes
Two to four teams of small creatures, the tumboks, stand on a side view of a
landscape and take turns to walk, jump, aim and fire a bow, a bazooka, a
grenade or a fragmentation bomb under gravity and a wind that changes every
turn. Explosions carve the terrain, push and hurt tumboks and set off explosive
boxes. The computer can play up to three of the teams.

The package also holds morvatek-mapgen, which draws new terrains and skies for
the game.")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package-generators.cmake)
include(CPack)
