# Cross-compiling for Windows x64 with Debian's mingw-w64 (the POSIX-threads flavour, which
# gives std::thread and friends).
#
# Used both for building the dependencies (Qt, libzip, zlib) and for building Halvenor against
# them. Pass the prefix the dependencies live in as HALVENOR_WIN_PREFIX, either as a cache
# variable (-DHALVENOR_WIN_PREFIX=...) or in the environment; scripts/build-windows.sh does this.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_SYSTEM_VERSION 10)

set(HALVENOR_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER   ${HALVENOR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HALVENOR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${HALVENOR_MINGW_TRIPLET}-windres)

# The prefix of the cross-built dependencies. The environment carries it into try_compile
# projects, which read this file again without the outer project's cache.
if(NOT HALVENOR_WIN_PREFIX AND DEFINED ENV{HALVENOR_WIN_PREFIX})
  set(HALVENOR_WIN_PREFIX "$ENV{HALVENOR_WIN_PREFIX}")
endif()
if(HALVENOR_WIN_PREFIX)
  set(ENV{HALVENOR_WIN_PREFIX} "${HALVENOR_WIN_PREFIX}")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HALVENOR_WIN_PREFIX)

# Headers, libraries and CMake packages come from the dependency prefix and the mingw-w64
# sysroot only, never from the build machine; programs (host tools) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${HALVENOR_MINGW_TRIPLET})
if(HALVENOR_WIN_PREFIX)
  list(PREPEND CMAKE_FIND_ROOT_PATH "${HALVENOR_WIN_PREFIX}")
  list(APPEND CMAKE_PREFIX_PATH "${HALVENOR_WIN_PREFIX}")
  list(REMOVE_DUPLICATES CMAKE_PREFIX_PATH)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config looks at the dependency prefix only, not at the build machine's .pc files.
if(HALVENOR_WIN_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} "${HALVENOR_WIN_PREFIX}/lib/pkgconfig")
else()
  set(ENV{PKG_CONFIG_LIBDIR} "/usr/${HALVENOR_MINGW_TRIPLET}/lib/pkgconfig")
endif()
set(ENV{PKG_CONFIG_PATH} "")
