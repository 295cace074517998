# Shared part of the MinGW-w64 toolchain files; KARVELLO_MINGW_TRIPLET names the target.
set(CMAKE_SYSTEM_NAME Windows)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR "${KARVELLO_MINGW_TRIPLET}")

# Debian ships each compiler in two thread models. The posix one is preferred because its C++ library has
# std::thread, std::mutex and friends, as MSVC's has, so code that builds on one builds on the other; the
# winpthread runtime it needs is linked statically like the rest of the runtime (see cmake/Windows.cmake).
find_program(CMAKE_C_COMPILER NAMES ${KARVELLO_MINGW_TRIPLET}-gcc-posix ${KARVELLO_MINGW_TRIPLET}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${KARVELLO_MINGW_TRIPLET}-g++-posix ${KARVELLO_MINGW_TRIPLET}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KARVELLO_MINGW_TRIPLET}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${KARVELLO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
