# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Kayfabe Kit for Windows x86-64 on Debian with the posix-threads flavour of mingw-w64 GCC
# (the g++-mingw-w64-x86-64-posix package) against a Qt cross-built by scripts/windows-qt.sh.
# The Qt is found in KAYFABE_WINDOWS_QT (a cache variable or the environment), else in the
# default place that script builds it in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT KAYFABE_WINDOWS_QT)
    if(DEFINED ENV{KAYFABE_WINDOWS_QT})
        set(KAYFABE_WINDOWS_QT $ENV{KAYFABE_WINDOWS_QT})
    elseif(DEFINED ENV{XDG_CACHE_HOME})
        set(KAYFABE_WINDOWS_QT $ENV{XDG_CACHE_HOME}/kayfabe-kit/qt-6.4.2-mingw64)
    else()
        set(KAYFABE_WINDOWS_QT $ENV{HOME}/.cache/kayfabe-kit/qt-6.4.2-mingw64)
    endif()
endif()
set(KAYFABE_WINDOWS_QT ${KAYFABE_WINDOWS_QT} CACHE PATH "Qt cross-built for Windows x86-64")
# try_compile projects run this file again: hand them the Qt's place.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KAYFABE_WINDOWS_QT)

# Libraries, headers and packages come only from the Windows side: mingw-w64 and that Qt. Programs
# (moc, rcc, uic) are Debian's own Qt 6.4.2 tools, found through QT_HOST_PATH.
set(KAYFABE_MINGW_ROOT /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH ${KAYFABE_MINGW_ROOT} ${KAYFABE_WINDOWS_QT})
set(CMAKE_PREFIX_PATH ${KAYFABE_WINDOWS_QT})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CTest runs the cross-built tests under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
