# The product: Sorvane.exe for 32-bit Windows (PE32, i386).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(SORVANE_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
