# Installing and packaging. Windows: a zip of the program with the data folder's contents
# beside it, the working folder it expects, and a setup program (NSIS) that installs the same
# folder with a Start-menu shortcut and an uninstaller. Linux: laid out as Debian's games are, with a
# launcher, a menu entry, icons, AppStream data and a manual page, packaged as a .deb.
# `cmake --build --preset <preset> --target package` makes either.
set(CPACK_PACKAGE_NAME cribblestorm)
set(CPACK_PACKAGE_VENDOR "Cribblestorm Developers")
set(CPACK_PACKAGE_CONTACT "Cribblestorm Developers <dev@cribblestorm.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "watch babies crawl across a nursery strewn with mines")

if(WIN32)
    install(TARGETS cribblestorm RUNTIME DESTINATION .)
    install(DIRECTORY Data/ DESTINATION .)
    math(EXPR pointer_bits "${CMAKE_SIZEOF_VOID_P} * 8")
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_PACKAGE_FILE_NAME cribblestorm-win${pointer_bits})
    # The setup's own name; CPack reads it per generator (packaging/CPackOptions.cmake).
    set(CPACK_CRIBBLESTORM_SETUP_NAME cribblestorm-${PROJECT_VERSION}-win${pointer_bits}-setup)
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/packaging/CPackOptions.cmake)
    # The setup is written from a script of ours (packaging/nsis): CPack's own asks about the
    # PATH and leaves keys of its own in the registry.
    set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/packaging/nsis)
    set(CPACK_CRIBBLESTORM_BITS ${pointer_bits})
    set(CPACK_CRIBBLESTORM_COPYRIGHT "Copyright 2026 Cribblestorm Developers. All rights reserved.")
    set(CPACK_NSIS_DISPLAY_NAME Cribblestorm)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Cribblestorm)
    # Without the version in it, so that a later version finds and replaces an earlier one.
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Cribblestorm)
    set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/packaging/icons/cribblestorm.ico)
    include(CPack)
    return()
endif()

# The launcher in games/ runs the program in its data folder; it finds both from where it
# lies, so the layout works under any prefix.
install(TARGETS cribblestorm RUNTIME DESTINATION lib/games/cribblestorm)
install(DIRECTORY Data/ DESTINATION share/games/cribblestorm)
install(PROGRAMS packaging/cribblestorm.sh DESTINATION games RENAME cribblestorm)
# Debian's games live in games/, which root's PATH lacks; an entry in bin/ links to each, so
# that `cribblestorm` and `cribblestorm-level` start for every user.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/bin)
foreach(program cribblestorm cribblestorm-level)
    file(CREATE_LINK ../games/${program} ${CMAKE_BINARY_DIR}/packaging/bin/${program} SYMBOLIC)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/bin/${program} DESTINATION bin)
endforeach()
install(FILES packaging/lintian-overrides DESTINATION share/lintian/overrides RENAME cribblestorm)
install(FILES packaging/cribblestorm.desktop DESTINATION share/applications)
install(FILES packaging/invalid.cribblestorm.cribblestorm.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY packaging/icons/hicolor DESTINATION share/icons)
install(FILES packaging/copyright DESTINATION share/doc/cribblestorm)

# The manual pages and the changelog, compressed as Debian keeps them (no name, no time stamp).
set(packaging_build ${CMAKE_BINARY_DIR}/packaging)
set(compressed_documents)
foreach(page cribblestorm cribblestorm-level)
    configure_file(packaging/${page}.6.in ${packaging_build}/${page}.6 @ONLY)
    list(APPEND compressed_documents ${packaging_build}/${page}.6)
endforeach()
configure_file(packaging/changelog ${packaging_build}/changelog COPYONLY)
list(APPEND compressed_documents ${packaging_build}/changelog)
list(TRANSFORM compressed_documents APPEND .gz OUTPUT_VARIABLE compressed_outputs)
add_custom_command(OUTPUT ${compressed_outputs}
                   COMMAND gzip -9nkf ${compressed_documents}
                   DEPENDS ${compressed_documents})
add_custom_target(compressed_documents ALL DEPENDS ${compressed_outputs})
install(FILES ${packaging_build}/cribblestorm.6.gz ${packaging_build}/cribblestorm-level.6.gz
        DESTINATION share/man/man6)
install(FILES ${packaging_build}/changelog.gz DESTINATION share/doc/cribblestorm)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links are worked out from it; SDL loads libGL.so.1 itself when it
# makes the window's context, so that one is named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libgl1)
set(CPACK_PACKAGE_DESCRIPTION "Babies crawl on their own across a nursery, each wandering to random points it
can reach. A baby that crawls onto a landmine loses one of its two hearts and
slows down, and a baby without hearts is dead. When every baby is dead the game
shows YOU LOSE! over the frozen scene. There is no score, no win and no
restart: it is a game that plays itself, and you watch it go wrong.")
include(CPack)
