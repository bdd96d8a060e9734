# The SDL 1.2 API the game is written against, as the target morvatek_sdl: by default Debian's sdl12-compat
# with the 1.2 image, mixer and gfx libraries; with MORVATEK_SDL2, the game's own 1.2 layer (src/platform)
# over SDL2 and its companions, which is what the browser has.
option(MORVATEK_SDL2 "Build against SDL2 through the game's own SDL 1.2 layer in src/platform" OFF)
set(MORVATEK_PLATFORM_DIR ${CMAKE_CURRENT_LIST_DIR}/../src/platform)
if(MORVATEK_SDL2)
  pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2 SDL2_image SDL2_mixer SDL2_gfx)
  file(GLOB PLATFORM_SOURCES CONFIGURE_DEPENDS ${MORVATEK_PLATFORM_DIR}/*.cpp)
  add_library(morvatek_sdl STATIC ${PLATFORM_SOURCES})
  # The layer's SDL.h and friends come before SDL2's headers of the same names.
  target_include_directories(morvatek_sdl PUBLIC ${MORVATEK_PLATFORM_DIR}/include ${MORVATEK_PLATFORM_DIR}/..)
  target_link_libraries(morvatek_sdl PUBLIC PkgConfig::SDL2)
else()
  pkg_check_modules(SDL REQUIRED IMPORTED_TARGET sdl SDL_image SDL_mixer SDL_gfx)
  add_library(morvatek_sdl INTERFACE)
  target_link_libraries(morvatek_sdl INTERFACE PkgConfig::SDL)
endif()
