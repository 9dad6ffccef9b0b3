# Runs datagen into OUTPUT and fails unless every file it writes is byte for byte the one
# committed, and every committed picture is one that it writes: the game's pictures in
# EXPECTED_DATA, the packages' icons in EXPECTED_ICONS.
file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${DATAGEN}" "${OUTPUT}/data" "${OUTPUT}/icons" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "datagen ended with ${result}")
endif()

function(compare_folder written_folder committed_folder pictures)
    file(GLOB_RECURSE written RELATIVE "${written_folder}" "${written_folder}/*")
    file(GLOB_RECURSE committed RELATIVE "${committed_folder}" "${committed_folder}/${pictures}")
    list(SORT written)
    list(SORT committed)
    if(NOT written STREQUAL committed)
        message(FATAL_ERROR "datagen writes [${written}] but ${committed_folder} holds [${committed}]")
    endif()
    foreach(name IN LISTS written)
        execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${written_folder}/${name}"
                                "${committed_folder}/${name}" RESULT_VARIABLE differs)
        if(NOT differs EQUAL 0)
            message(FATAL_ERROR "${committed_folder}/${name} differs from what datagen writes now; "
                                "run datagen to refresh it")
        endif()
    endforeach()
    list(LENGTH written count)
    message(STATUS "${count} files of ${committed_folder} reproduced exactly")
endfunction()

compare_folder("${OUTPUT}/data" "${EXPECTED_DATA}" "*.tga")
compare_folder("${OUTPUT}/icons" "${EXPECTED_ICONS}" "*")
