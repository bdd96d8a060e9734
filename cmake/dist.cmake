# The portable archive (make dist): one folder holding the game folder as in the build tree, the README and
# the licences. Its rules belong to a component of their own, left out of make install.
morvatek_install_game_folder(. Archive EXCLUDE_FROM_ALL)
install(FILES ${MORVATEK_DOCUMENTS} DESTINATION . COMPONENT Archive EXCLUDE_FROM_ALL)

# CPack would otherwise build every target first, the tests too; make dist builds the game before packing.
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
include(CPack)
