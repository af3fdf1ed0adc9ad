# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack as it makes a package (CPACK_PROJECT_CONFIG_FILE): every file in the package
# carries the time of the commit it is built from (SOURCE_DATE_EPOCH, unless it is set already),
# so that the same commit gives the same package, byte for byte. A source tarball holds no
# history; git archive gave its files the commit's time, so CMakeLists.txt's time stands in.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(commit_time)
    if(EXISTS ${CPACK_KAYFABE_SOURCE_DIR}/.git)
        execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CPACK_KAYFABE_SOURCE_DIR}
                        OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(NOT commit_time)
        file(TIMESTAMP ${CPACK_KAYFABE_SOURCE_DIR}/CMakeLists.txt commit_time %s UTC)
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
endif()
