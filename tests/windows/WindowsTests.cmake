# The Windows builds' own tests. Where the build can run its programs (the win64 preset runs
# them under Wine) they are registered; otherwise (win32) they are only built.
target_sources(unit_tests PRIVATE windows/MsvcrtRandTest.cpp)

# The Win32 backend on its own, against the system's windows, GDI and OpenGL.
add_executable(win32_platform_tests windows/Win32PlatformTest.cpp)
cribblestorm_target(win32_platform_tests)
target_link_libraries(win32_platform_tests PRIVATE platform_win32 GTest::gtest GTest::gtest_main)

# The program's PE header: machine, PE kind, GUI subsystem and imports. Needs no Windows.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(pe_format pei-i386)
else()
    set(pe_format pei-x86-64)
endif()
add_test(NAME windows_program
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/check_program.sh $<TARGET_FILE:cribblestorm> ${CMAKE_OBJDUMP}
                 ${pe_format})

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
endif()

# One fresh Wine prefix per test run, made first and then used by one test at a time. The
# backend tests need an X server (ctest runs under xvfb-run); the end-to-end test starts its own.
set(wine_prefix ${CMAKE_BINARY_DIR}/wine-prefix)
add_test(NAME wine_prefix COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/make_wine_prefix.sh ${wine_prefix})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix)

add_test(NAME win32_platform_tests COMMAND win32_platform_tests)
add_test(NAME windows_e2e
         COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_windows.py $<TARGET_FILE:cribblestorm>)
set_tests_properties(unit_tests win32_platform_tests windows_e2e PROPERTIES
                     FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine_prefix ENVIRONMENT WINEPREFIX=${wine_prefix})
