# Cross-compiling for 64-bit Windows with Debian's mingw-w64. The posix thread model compilers are
# the ones with std::thread and std::mutex, which Qt needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VISTREL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VISTREL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VISTREL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VISTREL_MINGW}-windres)

# The cross Qt that scripts/windows builds (VISTREL_WINDOWS_QT overrides where it is).
if(DEFINED ENV{VISTREL_WINDOWS_QT})
  set(VISTREL_WINDOWS_QT $ENV{VISTREL_WINDOWS_QT})
elseif(NOT VISTREL_WINDOWS_QT)
  set(VISTREL_WINDOWS_QT $ENV{HOME}/.cache/vistrel/qt-mingw-w64)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VISTREL_WINDOWS_QT)

set(CMAKE_FIND_ROOT_PATH /usr/${VISTREL_MINGW} ${VISTREL_WINDOWS_QT})
set(CMAKE_PREFIX_PATH ${VISTREL_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's tools (moc, rcc, uic, qsb) run on the build machine: Debian's Qt of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
