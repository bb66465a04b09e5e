# The engine's file side: the shared error text, driver file staging, and the file,
# message-table, cabinet and version-resource services of both back ends.
target_sources(installer_core PRIVATE
  installer/engine/ErrorText.cpp)
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  target_sources(platform_win32 PRIVATE
    platform/win32/Win32Messages.cpp)
else()
  target_sources(platform_sim PRIVATE
    platform/sim/SimMessageTable.cpp)
endif()
