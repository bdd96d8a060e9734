# Where an install puts the game, relative to its prefix. Read by the install rules and by the uninstaller,
# which may run without a build tree.
set(MORVATEK_GAME_DIR lib/morvatek)
# The list of installed files, which the install leaves in the game folder for the uninstaller.
set(MORVATEK_FILE_LIST ${MORVATEK_GAME_DIR}/installed-files.txt)
