# The browser's build (Emscripten): the engine, the game and the Web backend as
# cribblestorm.js and cribblestorm.wasm, the page of packaging/web with the game's icon, and
# Data/ packed and compressed as data.data.gz with its listing data.json; all of it in page/
# of the build folder, and in web/ with versioned names, ready for any static web host.
add_library(platform_web OBJECT
    Engine/Platform/FileBytesLeft.cpp
    Engine/Platform/SlashedPaths.cpp
    Engine/Platform/Web/WebClock.cpp
    Engine/Platform/Web/WebContext.cpp
    Engine/Platform/Web/WebCursor.cpp
    Engine/Platform/Web/WebDebugOutput.cpp
    Engine/Platform/Web/WebDisplay.cpp
    Engine/Platform/Web/WebEventTranslator.cpp
    Engine/Platform/Web/WebFiles.cpp
    Engine/Platform/Web/WebFont.cpp
    Engine/Platform/Web/WebKeyMap.cpp
    Engine/Platform/Web/WebLevelFiles.cpp
    Engine/Platform/Web/WebMessageBox.cpp
    Engine/Platform/Web/WebMessageQueue.cpp
    Engine/Platform/Web/WebPlaque.cpp
    Engine/Platform/Web/WebState.cpp
    Engine/Platform/Web/WebTurn.cpp
    Engine/Platform/Web/WebWindow.cpp
    Engine/Platform/WindowClassNames.cpp
    # The level tool's plain words for a file the game would refuse, for a player's own level.
    tools/LevelTool/LevelFileCheck.cpp)
cribblestorm_target(platform_web)
target_compile_definitions(platform_web PUBLIC CRIBBLESTORM_GLES2)

set(PAGE_FOLDER ${CMAKE_BINARY_DIR}/page)
set(WEB_FOLDER ${CMAKE_BINARY_DIR}/web)
add_executable(cribblestorm Game/TheGameInterface.cpp Engine/Platform/Web/WebMain.cpp)
cribblestorm_target(cribblestorm)
target_link_libraries(cribblestorm PRIVATE game engine platform_web)
# Asyncify lets the buffer swap, the plaque and the start's long steps give the browser its
# turn in the middle of the engine's work; the runtime's exit hands the exit code to the page.
# Each game is an instance of its own (createCribblestorm), so the page can start a new one
# after the end, on a new canvas, with the files it chooses in its file system.
target_link_options(cribblestorm PRIVATE
    -sASYNCIFY "-sASYNCIFY_IMPORTS=['WaitForAnimationFrame','WaitForNextTask']" -sASYNCIFY_STACK_SIZE=65536 -sEXIT_RUNTIME -sALLOW_MEMORY_GROWTH -sFORCE_FILESYSTEM
    -sENVIRONMENT=web -sMAX_WEBGL_VERSION=1 -sMODULARIZE -sEXPORT_NAME=createCribblestorm
    "-sEXPORTED_FUNCTIONS=['_main','_malloc','_free','_CheckLevelFile','_QuitGame']"
    "-sEXPORTED_RUNTIME_METHODS=['FS','callMain','ccall','HEAPU8']")
set_target_properties(cribblestorm PROPERTIES SUFFIX ".js" RUNTIME_OUTPUT_DIRECTORY ${PAGE_FOLDER})

file(GLOB_RECURSE DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Data/*)
add_custom_command(
    OUTPUT ${PAGE_FOLDER}/data.data.gz ${PAGE_FOLDER}/data.json
    COMMAND ${CMAKE_SOURCE_DIR}/packaging/web/pack-data.sh ${CMAKE_SOURCE_DIR}/Data ${PAGE_FOLDER}/data
    DEPENDS ${DATA_FILES} ${CMAKE_SOURCE_DIR}/packaging/web/pack-data.sh
    COMMENT "Packing Data/ for the page")
set(FAVICON ${CMAKE_SOURCE_DIR}/packaging/icons/hicolor/32x32/apps/cribblestorm.png)
add_custom_command(
    OUTPUT ${PAGE_FOLDER}/index.html ${PAGE_FOLDER}/page.js ${PAGE_FOLDER}/favicon.png
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/web/index.html
            ${CMAKE_SOURCE_DIR}/packaging/web/page.js ${PAGE_FOLDER}
    COMMAND ${CMAKE_COMMAND} -E copy ${FAVICON} ${PAGE_FOLDER}/favicon.png
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/web/index.html ${CMAKE_SOURCE_DIR}/packaging/web/page.js ${FAVICON})
set(VERSIONED ${WEB_FOLDER}/index.html)
add_custom_command(
    OUTPUT ${VERSIONED}
    COMMAND ${CMAKE_SOURCE_DIR}/packaging/web/version-assets.sh ${PAGE_FOLDER} ${WEB_FOLDER}
    DEPENDS cribblestorm ${PAGE_FOLDER}/data.data.gz ${PAGE_FOLDER}/index.html
            ${CMAKE_SOURCE_DIR}/packaging/web/version-assets.sh
    COMMENT "Versioning the page's files")
add_custom_target(web_page ALL DEPENDS ${VERSIONED})
