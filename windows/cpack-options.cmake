# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack for each package it makes: the zip and the installer are named apart, and their
# files carry the commit's time.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/source-date.cmake)
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup-x64)
else()
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-windows-x64)
endif()
