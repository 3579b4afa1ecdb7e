# The same sources built for x86-64 Windows, so that the test layers that need
# Windows can run under 64-bit Wine on hosts whose kernel runs no 32-bit
# processes (no ia32 emulation: the 32-bit Wine loader cannot start there).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(SORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

if(EXISTS /usr/lib/wine/wine64)
  set(WINE_EXECUTABLE /usr/lib/wine/wine64)
else()
  find_program(WINE_EXECUTABLE NAMES wine64 wine REQUIRED)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_EXECUTABLE})
