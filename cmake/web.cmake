# The browser build (emcmake): the game as a page, morvatek.html with its .js, .wasm and .data (the generated
# data, which a native build's generator writes), and the headless match as a program for node.
set(MORVATEK_WEB_DATA "" CACHE PATH "The data folder a native build generated, packed with the page")
if(NOT IS_DIRECTORY "${MORVATEK_WEB_DATA}")
  message(FATAL_ERROR "MORVATEK_WEB_DATA must name the data folder of a native build (make web sets it)")
endif()
set(WEB_SHELL ${CMAKE_SOURCE_DIR}/web/shell.html)

# The game's own loops run unchanged: each SDL_Delay hands the page back to the browser (asyncify).
# SDL2's audio resumes its context, made before any key or click, at the first one; the JavaScript helpers
# it calls for that are named in a file, as their names start with a dollar sign.
target_link_options(morvatek PRIVATE
  -sENVIRONMENT=web -sMINIFY_HTML=0
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=67108864
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_SOURCE_DIR}/web/library-functions.json
  -lidbfs.js
  --preload-file ${MORVATEK_WEB_DATA}@${MORVATEK_SYSTEM_DATA_DIR}
  --exclude-file ${MORVATEK_WEB_DATA}/.generated
  --shell-file ${WEB_SHELL})
set_target_properties(morvatek PROPERTIES SUFFIX .html LINK_DEPENDS "${WEB_SHELL};${MORVATEK_WEB_DATA}/.generated")

# The same seeded matches as the native tool, on node, reading the native build's data where it lies.
add_executable(headless_match tools/headless_match.cpp)
target_link_libraries(headless_match PRIVATE morvatek_harness)
target_link_options(headless_match PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1
                    -sEXIT_RUNTIME=1)
set_target_properties(headless_match PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
