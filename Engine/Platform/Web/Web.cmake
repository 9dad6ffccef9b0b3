# The browser's build (Emscripten): the engine, the game and the Web backend as
# cribblestorm.js and cribblestorm.wasm, the page of packaging/web with the game's icon, and
# Data/ packed and compressed as data.data.gz with its loader data.js; all of it in web/ of
# the build folder, ready for any static web host.
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
    Engine/Platform/Web/WebMessageBox.cpp
    Engine/Platform/Web/WebMessageQueue.cpp
    Engine/Platform/Web/WebPlaque.cpp
    Engine/Platform/Web/WebState.cpp
    Engine/Platform/Web/WebTurn.cpp
    Engine/Platform/Web/WebWindow.cpp
    Engine/Platform/WindowClassNames.cpp)
cribblestorm_target(platform_web)
target_compile_definitions(platform_web PUBLIC CRIBBLESTORM_GLES2)

set(WEB_FOLDER ${CMAKE_BINARY_DIR}/web)
add_executable(cribblestorm Game/TheGameInterface.cpp Engine/Platform/Web/WebMain.cpp)
cribblestorm_target(cribblestorm)
target_link_libraries(cribblestorm PRIVATE game engine platform_web)
# Asyncify lets the buffer swap, the plaque and the start's long steps give the browser its
# turn in the middle of the engine's work; the runtime's exit hands the exit code to the page.
target_link_options(cribblestorm PRIVATE
    -sASYNCIFY "-sASYNCIFY_IMPORTS=['WaitForAnimationFrame','WaitForNextTask']" -sASYNCIFY_STACK_SIZE=65536 -sEXIT_RUNTIME -sALLOW_MEMORY_GROWTH -sFORCE_FILESYSTEM
    -sENVIRONMENT=web -sMAX_WEBGL_VERSION=1)
set_target_properties(cribblestorm PROPERTIES SUFFIX ".js" RUNTIME_OUTPUT_DIRECTORY ${WEB_FOLDER})

file(GLOB_RECURSE DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Data/*)
add_custom_command(
    OUTPUT ${WEB_FOLDER}/data.data.gz ${WEB_FOLDER}/data.js
    COMMAND ${CMAKE_SOURCE_DIR}/packaging/web/pack-data.sh ${CMAKE_SOURCE_DIR}/Data ${WEB_FOLDER}/data
    DEPENDS ${DATA_FILES} ${CMAKE_SOURCE_DIR}/packaging/web/pack-data.sh
    COMMENT "Packing Data/ for the page")
set(FAVICON ${CMAKE_SOURCE_DIR}/packaging/icons/hicolor/32x32/apps/cribblestorm.png)
add_custom_command(
    OUTPUT ${WEB_FOLDER}/index.html ${WEB_FOLDER}/page.js ${WEB_FOLDER}/favicon.png
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/web/index.html
            ${CMAKE_SOURCE_DIR}/packaging/web/page.js ${WEB_FOLDER}
    COMMAND ${CMAKE_COMMAND} -E copy ${FAVICON} ${WEB_FOLDER}/favicon.png
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/web/index.html ${CMAKE_SOURCE_DIR}/packaging/web/page.js ${FAVICON})
add_custom_target(web_page ALL DEPENDS ${WEB_FOLDER}/data.data.gz ${WEB_FOLDER}/index.html)
