# The Windows builds' own tests. Where the build can run its programs (both presets run them
# under Wine) they are registered; otherwise they are only built.
target_sources(unit_tests PRIVATE windows/MsvcrtRandTest.cpp)

# The Win32 backend on its own, against the system's windows, GDI and OpenGL.
add_executable(win32_platform_tests windows/Win32PlatformTest.cpp)
cribblestorm_target(win32_platform_tests)
target_link_libraries(win32_platform_tests PRIVATE platform_win32 GTest::gtest GTest::gtest_main)

# The sound library's waveOut output.
add_executable(waveout_tests windows/WaveOutOutputTest.cpp)
cribblestorm_target(waveout_tests)
target_link_libraries(waveout_tests PRIVATE fsound GTest::gtest GTest::gtest_main)

# The program's PE header: machine, PE kind, GUI subsystem and imports. Needs no Windows.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(pe_format pei-i386)
else()
    set(pe_format pei-x86-64)
endif()
add_test(NAME windows_program
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/check_program.sh $<TARGET_FILE:cribblestorm> ${CMAKE_OBJDUMP}
                 ${pe_format})

# The players' zip (the `package` target), and the icon of its program file. Python is named by
# its path: named as the imported target, it would be run under the emulator, and Wine loses
# the script's exit code.
add_test(NAME windows_package
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/windows/check_package.py ${CMAKE_CPACK_COMMAND}
                 ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR}/Data $<TARGET_FILE:cribblestorm>
                 ${CMAKE_SOURCE_DIR}/packaging/icons/cribblestorm.ico)

# The setup program (also made by the `package` target), and the version resources that
# Windows shows of it and of the program file.
add_test(NAME windows_setup
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/windows/check_setup.py ${CMAKE_CPACK_COMMAND}
                 ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} $<TARGET_FILE:cribblestorm>
                 ${CMAKE_SOURCE_DIR}/packaging/icons/cribblestorm.ico)
set_tests_properties(windows_setup PROPERTIES FIXTURES_SETUP windows_setup)
# An earlier version's setup for the upgrade test, with a file of its own that the upgrade
# must take away.
set(earlier_setup ${CMAKE_BINARY_DIR}/earlier-setup)
add_test(NAME windows_earlier_setup
         COMMAND ${CMAKE_CPACK_COMMAND} -G NSIS --config CPackConfig.cmake -B ${earlier_setup}
                 -D CPACK_PACKAGE_VERSION=0.9.0 -D CPACK_CRIBBLESTORM_SETUP_NAME=cribblestorm-0.9.0-setup
                 "-D CPACK_INSTALLED_DIRECTORIES=${CMAKE_CURRENT_SOURCE_DIR}/windows/earlier-version;."
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(windows_earlier_setup PROPERTIES FIXTURES_SETUP windows_setup)

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
endif()
# The tests under Wine beside unit_tests (which is registered with the Linux builds' tests).
set(wine_tests win32_platform_tests waveout_device waveout_without_device windows_e2e)
set(setup_tests test_installs_plays_from_its_shortcut_and_uninstalls_leaving_nothing
    test_installs_over_an_earlier_version_and_itself_leave_one_entry)
if(WINE_CANNOT_RUN)
    foreach(test wine_prefix ${wine_tests})
        add_skipped_test(${test} "${WINE_CANNOT_RUN}")
    endforeach()
    foreach(test ${setup_tests})
        add_skipped_test(windows_setup.${test} "${WINE_CANNOT_RUN}")
    endforeach()
    return()
endif()

# One fresh Wine prefix per test run, made first and then used by one test at a time. The
# backend tests need an X server (ctest runs on a virtual X server); the end-to-end test starts its own.
set(wine_prefix ${CMAKE_BINARY_DIR}/wine-prefix)
add_test(NAME wine_prefix COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/make_wine_prefix.sh ${wine_prefix})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix)

# The backend's windows need Wine's desktop, started first (see e2e/with_wine_desktop.sh).
add_test(NAME win32_platform_tests COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/with_wine_desktop.sh
                                           ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:win32_platform_tests>)
add_test(NAME windows_e2e
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_windows.py $<TARGET_FILE:cribblestorm>)
set_tests_properties(windows_e2e PROPERTIES ENVIRONMENT CRIBBLESTORM_E2E_FAILURES=${E2E_FAILURES})

# Wine's sound drivers: ALSA alone, whose default device is a null one for the first run and
# which is switched off with the others for the second.
add_test(NAME waveout_device COMMAND waveout_tests --gtest_filter=WaveOutDevice.*)
add_test(NAME waveout_without_device COMMAND waveout_tests --gtest_filter=WaveOutWithoutDevice.*)
set_tests_properties(waveout_device PROPERTIES ENVIRONMENT
                     "HOME=${CMAKE_CURRENT_SOURCE_DIR}/windows/null-sound;WINEDLLOVERRIDES=winepulse.drv,wineoss.drv=")
set_tests_properties(waveout_without_device PROPERTIES ENVIRONMENT
                     "WINEDLLOVERRIDES=winealsa.drv,winepulse.drv,wineoss.drv=")

set_tests_properties(unit_tests ${wine_tests} PROPERTIES FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine_prefix)
# The 32-bit build runs as on 32-bit Windows: in a 32-bit prefix, under Wine's 32-bit loader.
set(wine_environment WINEPREFIX=${wine_prefix})
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(wine_loader WINEARCH=win32 WINELOADER=/usr/lib/wine/wine)
endif()
foreach(test wine_prefix unit_tests ${wine_tests})
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${wine_environment} ${wine_loader})
endforeach()

# The setup program installed, played and removed, each test in a Wine prefix of its own.
foreach(test ${setup_tests})
    add_test(NAME windows_setup.${test}
             COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_windows_setup.py
                     ${CMAKE_BINARY_DIR}/${CPACK_CRIBBLESTORM_SETUP_NAME}.exe
                     ${earlier_setup}/cribblestorm-0.9.0-setup.exe $<TARGET_FILE:cribblestorm>
                     ${CMAKE_SOURCE_DIR}/Data ${PROJECT_VERSION} WindowsSetup.${test})
    set_tests_properties(windows_setup.${test} PROPERTIES FIXTURES_REQUIRED windows_setup TIMEOUT 300
                         ENVIRONMENT CRIBBLESTORM_E2E_FAILURES=${E2E_FAILURES})
    set_property(TEST windows_setup.${test} APPEND PROPERTY ENVIRONMENT ${wine_loader})
endforeach()
