# Builds for another architecture with Debian's cross compilers (GoogleTest's checks use the C
# one) and runs the programs under
# qemu-user. The preset names the target: ARDO_TARGET is its GNU triplet (i686-linux-gnu,
# s390x-linux-gnu), ARDO_QEMU its emulator (qemu-i386, qemu-s390x).
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ARDO_TARGET ARDO_QEMU)
set(CMAKE_SYSTEM_NAME Linux)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR "${ARDO_TARGET}")
set(CMAKE_C_COMPILER ${ARDO_TARGET}-gcc)
set(CMAKE_CXX_COMPILER ${ARDO_TARGET}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ARDO_QEMU} -L /usr/${ARDO_TARGET})
set(CMAKE_FIND_ROOT_PATH /usr/${ARDO_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
