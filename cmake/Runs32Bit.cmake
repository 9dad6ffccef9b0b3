# Whether this machine runs 32-bit x86 programs (some kernels refuse them), asked once per
# build folder by really starting one; ./test.sh asks once for all and passes the answer as
# -DCRIBBLESTORM_RUNS_32_BIT=ON|OFF. Where it does not, the 32-bit Linux build's tests run
# under the user-mode emulator qemu-i386, and the 32-bit Windows build's tests under Wine are
# skipped with their reason: 32-bit Wine cannot run under that emulator.
if(NOT DEFINED CRIBBLESTORM_RUNS_32_BIT)
    execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/runs-32-bit-programs.sh RESULT_VARIABLE not_running)
    if(not_running)
        set(CRIBBLESTORM_RUNS_32_BIT OFF CACHE BOOL "This machine runs 32-bit x86 programs")
    else()
        set(CRIBBLESTORM_RUNS_32_BIT ON CACHE BOOL "This machine runs 32-bit x86 programs")
    endif()
endif()
message(STATUS "This machine runs 32-bit programs: ${CRIBBLESTORM_RUNS_32_BIT}")

if(NOT CRIBBLESTORM_RUNS_32_BIT AND NOT WIN32)
    find_program(QEMU_I386 qemu-i386 REQUIRED)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_I386})
endif()
