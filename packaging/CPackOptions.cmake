# Read by CPack once per generator: the zip keeps its short name, the setup program carries
# the version in its own.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_CRIBBLESTORM_SETUP_NAME})
endif()
