# The engine's file side: the shared error text, driver file staging, and the file,
# message-table, cabinet and version-resource services of both back ends.
target_sources(installer_core PRIVATE
  installer/engine/ErrorText.cpp
  installer/engine/FileStaging.cpp)
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  target_sources(platform_win32 PRIVATE
    platform/win32/Win32Messages.cpp
    platform/win32/Win32Files.cpp)
  target_link_libraries(platform_win32 PUBLIC setupapi version)
else()
  target_sources(platform_sim PRIVATE
    platform/sim/SimMessageTable.cpp
    platform/sim/SimFiles.cpp
    platform/sim/SimCabinet.cpp
    platform/sim/Inflate.cpp
    platform/sim/SimVersionInfo.cpp)
endif()
include(cmake/Payload.cmake)
