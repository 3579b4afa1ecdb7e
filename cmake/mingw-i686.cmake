# The product: Sorvane.exe for 32-bit Windows (PE32, i386). The product uses
# no standard threading (the tray worker uses Win32 threads and locks), so it
# is built with the win32 thread model: no threading library in the exe.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(SORVANE_MINGW_TRIPLE i686-w64-mingw32)
set(SORVANE_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
