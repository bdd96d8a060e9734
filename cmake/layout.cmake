# Where an install puts the game, relative to its prefix. Read by the install rules and by the uninstaller,
# which may run without a build tree.
set(MORVATEK_GAME_DIR lib/morvatek)
# The list of installed files, which the install leaves in the game folder for the uninstaller.
set(MORVATEK_FILE_LIST ${MORVATEK_GAME_DIR}/installed-files.txt)
# Where the package for a system-wide install puts the programs and the data folder, relative to its prefix
# (/usr). The game built for it looks for its data there when none lies beside it.
set(MORVATEK_PACKAGE_PROGRAM_DIR games)
set(MORVATEK_PACKAGE_DATA_DIR share/games/morvatek)
