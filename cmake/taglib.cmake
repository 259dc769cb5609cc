# TagLib, which only tags/ uses: Debian's libtag1-dev for the native build;
# for the Windows programs the static library that tools/taglib-mingw.sh
# builds from Debian's source package (tools/setup.sh runs it), or any static
# TagLib 1.x named by ZELVIO_TAGLIB_PREFIX.
if(WIN32)
  set(ZELVIO_TAGLIB_PREFIX "${CMAKE_SOURCE_DIR}/build/deps/taglib-mingw64" CACHE PATH "A static TagLib 1.x for Windows")
  find_path(ZELVIO_TAGLIB_INCLUDE taglib/tag.h PATHS "${ZELVIO_TAGLIB_PREFIX}/include"
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  find_library(ZELVIO_TAGLIB_LIBRARY NAMES tag PATHS "${ZELVIO_TAGLIB_PREFIX}/lib"
               NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
else()
  find_path(ZELVIO_TAGLIB_INCLUDE taglib/tag.h)
  find_library(ZELVIO_TAGLIB_LIBRARY NAMES tag)
endif()
if(NOT ZELVIO_TAGLIB_INCLUDE OR NOT ZELVIO_TAGLIB_LIBRARY)
  message(FATAL_ERROR "TagLib is missing: run tools/setup.sh (it installs libtag1-dev and builds TagLib for MinGW-w64)")
endif()
add_library(zelvio_taglib INTERFACE)
target_include_directories(zelvio_taglib SYSTEM INTERFACE "${ZELVIO_TAGLIB_INCLUDE}")
target_link_libraries(zelvio_taglib INTERFACE "${ZELVIO_TAGLIB_LIBRARY}")
if(WIN32)
  target_compile_definitions(zelvio_taglib INTERFACE TAGLIB_STATIC)
endif()
