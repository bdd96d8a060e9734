# Run at install time: writes the desktop entry with the installed game's full path in its Exec line, and
# installs it. Needs MORVATEK_APP_ID, MORVATEK_PROGRAM (the game's path under the prefix),
# MORVATEK_DESKTOP_TEMPLATE and MORVATEK_DESKTOP_ENTRY.

# The Exec value is a quoted argument (where \ " ` $ take a backslash and % is doubled), then written as a
# desktop-file string (where every backslash is doubled again).
function(desktop_exec_argument path result)
  string(REPLACE "\\" "\\\\" quoted "${path}")
  foreach(special "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" quoted "${quoted}")
  endforeach()
  string(REPLACE "%" "%%" quoted "${quoted}")
  string(REPLACE "\\" "\\\\" quoted "${quoted}")
  set(${result} "\"${quoted}\"" PARENT_SCOPE)
endfunction()

desktop_exec_argument("${CMAKE_INSTALL_PREFIX}/${MORVATEK_PROGRAM}" MORVATEK_EXEC)
configure_file("${MORVATEK_DESKTOP_TEMPLATE}" "${MORVATEK_DESKTOP_ENTRY}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE FILES "${MORVATEK_DESKTOP_ENTRY}")
