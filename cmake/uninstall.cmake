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

# The game's own folders (lib/morvatek, share/doc/morvatek and those inside them) go too once empty; shared
# ones such as bin/ or share/applications/ stay. The game folder stays while it holds the player's settings.
list(SORT installed ORDER DESCENDING)
foreach(relative IN LISTS installed)
  get_filename_component(folder "${relative}" DIRECTORY)
  while(folder MATCHES "(^|/)morvatek(/|$)" AND IS_DIRECTORY "${root}/${folder}")
    file(GLOB content "${root}/${folder}/*")
    if(content)
      break()
    endif()
    file(REMOVE_RECURSE "${root}/${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
