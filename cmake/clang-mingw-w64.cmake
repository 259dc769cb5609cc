# A second compiler for the Windows programs: Debian's clang for the same
# MinGW-w64 target, with the MinGW-w64 headers and GCC's (posix threads) C++
# library, linked by lld. Clang cannot find GCC's library on its own here:
# Debian names its directory "12-posix", which is no version to clang.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(zelvio_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${zelvio_triple})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${zelvio_triple})
set(CMAKE_RC_COMPILER ${zelvio_triple}-windres)
set(CMAKE_SYSROOT /usr/${zelvio_triple})

file(GLOB zelvio_gcc_dirs LIST_DIRECTORIES true "/usr/lib/gcc/${zelvio_triple}/*-posix")
list(SORT zelvio_gcc_dirs COMPARE NATURAL ORDER DESCENDING)
list(GET zelvio_gcc_dirs 0 zelvio_gcc)
if(NOT EXISTS "${zelvio_gcc}/include/c++")
  message(FATAL_ERROR "No MinGW-w64 C++ library (posix threads) under /usr/lib/gcc/${zelvio_triple}: "
                      "install g++-mingw-w64-x86-64")
endif()
# Not the Linux C++ headers in /usr/include/c++: GCC's MinGW-w64 ones.
set(CMAKE_CXX_FLAGS_INIT "-nostdinc++")
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
    "${zelvio_gcc}/include/c++" "${zelvio_gcc}/include/c++/${zelvio_triple}" "${zelvio_gcc}/include/c++/backward")
# GCC's posix flavour links its threads library itself; clang must be told.
# lld finds an archive's symbols wherever it stands on the line.
set(zelvio_link "-fuse-ld=lld -L${zelvio_gcc} -lpthread -Wno-unused-command-line-argument")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${zelvio_link}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${zelvio_link}")

set(CMAKE_FIND_ROOT_PATH /usr/${zelvio_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
