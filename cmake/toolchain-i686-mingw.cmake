# Cross build for 32-bit Windows (Windows 95/98/NT 4.0) with mingw-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
# The win32 thread model: no pthread DLL, nothing Windows 95 lacks.
find_program(MINGW_CC  NAMES ${TOOLCHAIN_PREFIX}-gcc-win32 ${TOOLCHAIN_PREFIX}-gcc)
find_program(MINGW_CXX NAMES ${TOOLCHAIN_PREFIX}-g++-win32 ${TOOLCHAIN_PREFIX}-g++)
set(CMAKE_C_COMPILER   ${MINGW_CC})
set(CMAKE_CXX_COMPILER ${MINGW_CXX})
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_ASM_COMPILER ${TOOLCHAIN_PREFIX}-gcc)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The processors the program is for: the 486 and the Pentium up. The
# compiler's default (Pentium Pro) emits CMOV, which they lack; std::string is
# compiled with our code rather than taken from the prebuilt library, and
# what CMOVs the library still holds are handled at run time
# (platform/win32/runtime/processor_support.cpp).
set(CMAKE_C_FLAGS_INIT "-march=i486")
set(CMAKE_CXX_FLAGS_INIT
    "-march=i486 -include ${CMAKE_CURRENT_LIST_DIR}/../platform/win32/runtime/string_instances.h")
set(CMAKE_ASM_FLAGS_INIT "-march=i486")
