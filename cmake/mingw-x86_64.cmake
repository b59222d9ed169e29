# The 64-bit test bed, for machines that run no 32-bit programs: the same
# sources built for x86_64 and run under 64-bit Wine. Never shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Debian's `wine` prefers its 32-bit loader whenever wine32 is installed.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
