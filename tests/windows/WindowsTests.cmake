# The Windows builds' own tests. Where the build can run its programs (the win64 preset runs
# them under Wine) they are registered; otherwise (win32) they are only built.
target_sources(unit_tests PRIVATE windows/MsvcrtRandTest.cpp)

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
endif()
