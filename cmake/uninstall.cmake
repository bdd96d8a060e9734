# Removes every file an install placed under PREFIX (below DESTDIR when that is set), as listed by the install
# in the game folder. The player's config.txt is not on the list, so it stays.
#   cmake -D PREFIX=/absolute/prefix -P cmake/uninstall.cmake
include(${CMAKE_CURRENT_LIST_DIR}/layout.cmake)

if(NOT IS_ABSOLUTE "${PREFIX}")
  message(FATAL_ERROR "PREFIX must be an absolute path, not '${PREFIX}'")
endif()
set(root "$ENV{DESTDIR}${PREFIX}")
set(file_list "${root}/${MORVATEK_FILE_LIST}")
if(NOT EXISTS "${file_list}")
  message(STATUS "Nothing to uninstall: ${file_list} does not exist")
  return()
endif()

file(STRINGS "${file_list}" installed)
foreach(relative IN LISTS installed)
  # The list is the install's own, but a damaged one must not reach outside the prefix.
  if(IS_ABSOLUTE "${relative}" OR relative MATCHES "(^|/)\\.\\.(/|$)")
    message(WARNING "Skipped '${relative}': not a path inside the prefix")
    continue()
  endif()
  set(path "${root}/${relative}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing: ${path}")
    file(REMOVE "${path}")
  endif()
endforeach()

# Folders of the game folder that are now empty go too, deepest first; the game folder itself stays while
# it holds the player's settings.
set(game_dir "${root}/${MORVATEK_GAME_DIR}")
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${game_dir}/*")
list(SORT entries ORDER DESCENDING)
foreach(entry IN LISTS entries ITEMS "${game_dir}")
  if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
    file(GLOB content "${entry}/*")
    if(NOT content)
      file(REMOVE_RECURSE "${entry}")
    endif()
  endif()
endforeach()
