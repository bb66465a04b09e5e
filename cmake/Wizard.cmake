# The wizard's half of drvsetup: start-up, the wizard container and its pages, the
# desktop, shell and security parts of the seam, and the scenario runner.
if(TARGET platform_sim)
  target_sources(platform_sim PRIVATE
    platform/sim/SimDesktop.cpp
    platform/sim/SimShell.cpp)
  target_sources(native_tests PRIVATE tests/contract/sim/DesktopEnvSim.cpp)
endif()
if(TARGET platform_win32)
  target_sources(platform_win32 PRIVATE
    platform/win32/Win32Desktop.cpp
    platform/win32/Win32Shell.cpp
    platform/win32/Win32Security.cpp)
  target_sources(contract_tests PRIVATE tests/contract/win32/DesktopEnvWin32.cpp)
  target_link_libraries(platform_win32 PUBLIC shell32 advapi32)
endif()
