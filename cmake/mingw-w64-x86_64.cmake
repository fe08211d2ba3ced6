# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (POSIX thread model) and runs
# the Windows test programs under Wine through scripts/wine-run.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread are linked into each binary, so users get two files that
# need nothing but the system, and dravello.exe imports only guirt.dll, msvcrt and KERNEL32
# (shipping the compiler's DLLs would add them to its imports). The modules share msvcrt's
# heap, and exceptions thrown in one are caught by type in the other; but each module keeps
# its own record of the exception being handled, so `throw;` or std::current_exception()
# must run in the module whose catch caught it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)

cmake_path(ABSOLUTE_PATH CMAKE_CURRENT_LIST_DIR NORMALIZE OUTPUT_VARIABLE DRAVELLO_SOURCE_DIR)
cmake_path(GET DRAVELLO_SOURCE_DIR PARENT_PATH DRAVELLO_SOURCE_DIR)
set(CMAKE_CROSSCOMPILING_EMULATOR ${DRAVELLO_SOURCE_DIR}/scripts/wine-run.sh)
