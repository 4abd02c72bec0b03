# Cross-compiles for 64-bit Windows with Debian's mingw-w64 GCC
# (g++-mingw-w64-x86-64-posix). The posix thread model gives std::thread;
# libgcc, libstdc++ and winpthread are linked statically so that the
# programs need no compiler runtime beside them, and the linker writes no
# time stamp into the PE header so that two builds give the same bytes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KESTREL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KESTREL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTREL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTREL_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${KESTREL_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${KESTREL_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${KESTREL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(kestrel_mingw_link "-static-libgcc -static-libstdc++ -Wl,-Bstatic,--whole-archive -lwinpthread -Wl,--no-whole-archive,-Bdynamic -Wl,--no-insert-timestamp")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${kestrel_mingw_link}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${kestrel_mingw_link}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${kestrel_mingw_link}")

# SDL2 and SDL2_mixer come from KESTREL_WINDOWS_DEPS (scripts/windows_deps.sh);
# pkg-config reads their .pc files only, never the machine's own.
if(KESTREL_WINDOWS_DEPS)
  set(ENV{PKG_CONFIG_LIBDIR} "${KESTREL_WINDOWS_DEPS}/lib/pkgconfig")
  set(ENV{PKG_CONFIG_PATH} "")
  list(APPEND CMAKE_FIND_ROOT_PATH ${KESTREL_WINDOWS_DEPS})
endif()
