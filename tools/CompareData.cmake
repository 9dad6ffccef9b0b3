# Runs datagen into OUTPUT and fails unless every file it writes is byte for byte the one
# in EXPECTED, and every picture in EXPECTED is one that it writes.
file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${DATAGEN}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "datagen ended with ${result}")
endif()

file(GLOB_RECURSE written RELATIVE "${OUTPUT}" "${OUTPUT}/*")
file(GLOB_RECURSE committed RELATIVE "${EXPECTED}" "${EXPECTED}/*.tga")
list(SORT written)
list(SORT committed)
if(NOT written STREQUAL committed)
    message(FATAL_ERROR "datagen writes [${written}] but the data holds the pictures [${committed}]")
endif()

foreach(name IN LISTS written)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}/${name}" "${EXPECTED}/${name}"
                    RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "${name} differs from what datagen writes now; run datagen Data to refresh it")
    endif()
endforeach()
list(LENGTH written count)
message(STATUS "${count} files reproduced exactly")
