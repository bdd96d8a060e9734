# SDL2 and its companions for the browser, as the target PkgConfig::SDL2 that the native build gets from
# pkg-config: the static libraries scripts/build-web-deps built, looked up in its prefix alone (not among
# emscripten's own ports). The mixer's MOD player, libxmp, comes along by name.
set(MORVATEK_WEB_PREFIX "$ENV{HOME}/.cache/morvatek-web/prefix" CACHE PATH
    "Where scripts/build-web-deps installed the browser's libraries")
set(WEB_LIBRARIES)
foreach(library SDL2_image SDL2_mixer SDL2_gfx xmp SDL2)
  find_library(WEB_${library} ${library} PATHS ${MORVATEK_WEB_PREFIX}/lib REQUIRED NO_DEFAULT_PATH
               NO_CMAKE_FIND_ROOT_PATH)
  list(APPEND WEB_LIBRARIES ${WEB_${library}})
endforeach()
add_library(PkgConfig::SDL2 INTERFACE IMPORTED)
# The layer's <SDL2/...> includes need the folder above SDL2's own, the libraries' own includes SDL2's.
target_include_directories(PkgConfig::SDL2 INTERFACE ${MORVATEK_WEB_PREFIX}/include
                                                     ${MORVATEK_WEB_PREFIX}/include/SDL2)
target_link_libraries(PkgConfig::SDL2 INTERFACE ${WEB_LIBRARIES})
