# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads)
# against the libraries of scripts/windows-deps (Qt, ICU, libzip, expat,
# libxlsxwriter, hidapi), found under MERVADIN_WINDOWS_PREFIX. The C and C++
# runtimes are the DLLs Qt itself uses; the installer ships them beside the
# programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
if(NOT MERVADIN_WINDOWS_PREFIX AND DEFINED ENV{MERVADIN_WINDOWS_PREFIX})
  set(MERVADIN_WINDOWS_PREFIX "$ENV{MERVADIN_WINDOWS_PREFIX}")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${MERVADIN_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${MERVADIN_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config looks only at the Windows libraries.
set(ENV{PKG_CONFIG_LIBDIR} "${MERVADIN_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
