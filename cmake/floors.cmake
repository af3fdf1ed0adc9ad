# SPDX-License-Identifier: GPL-3.0-or-later
# The program's floors as libraries.

# kayfabe_floor(<name> DIRS <folder>... [INCLUDE <folder>...] LINK <target>... [EXCLUDE <file>...]):
# the library kayfabe_<name> of every source file in the folders (not their subfolders), whose
# include path is those folders and the INCLUDE ones, and what it links.
function(kayfabe_floor name)
    cmake_parse_arguments(floor "" "" "DIRS;INCLUDE;LINK;EXCLUDE" ${ARGN})
    set(sources)
    set(folders)
    foreach(dir ${floor_DIRS} ${floor_INCLUDE})
        list(APPEND folders ${PROJECT_SOURCE_DIR}/${dir})
    endforeach()
    foreach(dir ${floor_DIRS})
        file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp
             ${PROJECT_SOURCE_DIR}/${dir}/*.h)
        list(APPEND sources ${found})
    endforeach()
    foreach(excluded ${floor_EXCLUDE})
        list(REMOVE_ITEM sources ${PROJECT_SOURCE_DIR}/${excluded})
    endforeach()
    add_library(kayfabe_${name} STATIC ${sources})
    target_include_directories(kayfabe_${name} PUBLIC ${folders})
    target_link_libraries(kayfabe_${name} PUBLIC ${floor_LINK})
    target_compile_definitions(kayfabe_${name} PRIVATE ${strict_text})
endfunction()

# Stops the configuration when a file of the folder includes a Qt header that Qt Core does not
# have (QtGui's, QtWidgets'...) or a header of the program outside the folder. Configuring runs
# again whenever one of the files changes.
function(kayfabe_check_core_includes folder)
    get_target_property(qt_dirs Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
    set(qt_core_dir)
    foreach(dir ${qt_dirs})
        if(dir MATCHES "/QtCore$")
            set(qt_core_dir ${dir})
        endif()
    endforeach()
    file(GLOB files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
         ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${files})
    foreach(file ${files})
        file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line ${lines})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" header
                   "${line}")
            if(line MATCHES "\"" AND NOT EXISTS ${PROJECT_SOURCE_DIR}/${folder}/${header})
                message(FATAL_ERROR "${file} includes \"${header}\", which is not in ${folder}/: "
                                    "the core includes only its own files.")
            endif()
            # <QtCore/QString> is Qt Core's own; <QtGui/...> or <QtWidgets/...> never is.
            string(REGEX REPLACE "^QtCore/" "" in_qt_core "${header}")
            if(line MATCHES "<Q" AND NOT EXISTS ${qt_core_dir}/${in_qt_core})
                message(FATAL_ERROR "${file} includes <${header}>, which is not Qt Core's: "
                                    "the core links Qt Core alone.")
            endif()
        endforeach()
    endforeach()
endfunction()
