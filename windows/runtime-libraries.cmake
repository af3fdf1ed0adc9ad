# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time: puts beside the program the libraries it and its Qt plugins load from the
# Qt and compiler folders (the rest comes with Windows), found in their import tables.
# In: program, plugins, folders (where to look), objdump, strip.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${objdump})

# Windows names are matched without case, so the resolver asks for qt6core.dll where the Qt
# folder holds Qt6Core.dll: such names are found here by hand, and their own needs looked up.
set(binaries EXECUTABLES ${program} MODULES ${plugins})
set(libraries)
while(binaries)
    file(GET_RUNTIME_DEPENDENCIES ${binaries} DIRECTORIES ${folders}
         RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved)
    list(APPEND libraries ${resolved})
    set(binaries)
    foreach(folder ${folders})
        file(GLOB candidates ${folder}/*.dll)
        foreach(candidate ${candidates})
            get_filename_component(name ${candidate} NAME)
            string(TOLOWER ${name} name)
            list(FIND unresolved ${name} wanted)
            list(FIND libraries ${candidate} known)
            if(wanted GREATER -1 AND known EQUAL -1)
                list(APPEND libraries ${candidate})
                list(APPEND binaries LIBRARIES ${candidate})
            endif()
        endforeach()
    endforeach()
endwhile()
list(REMOVE_DUPLICATES libraries)

file(INSTALL ${libraries} DESTINATION ${CMAKE_INSTALL_PREFIX})
# The compiler's libraries come with their debugging symbols: libstdc++ alone is 24 MB.
foreach(library ${libraries})
    get_filename_component(name ${library} NAME)
    execute_process(COMMAND ${strip} --strip-unneeded ${CMAKE_INSTALL_PREFIX}/${name})
endforeach()
