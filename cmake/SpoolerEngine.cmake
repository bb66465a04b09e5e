# The registry, spooler, service and broadcast parts of the seam on both back ends, and
# the engine operations built on them.
target_sources(platform_core PRIVATE platform/SpoolerRecords.cpp)
target_sources(installer_core PRIVATE
  installer/engine/DriverDescriptors.cpp
  installer/engine/SpoolerObjects.cpp
  installer/engine/RegKey.cpp
  installer/engine/SpoolerService.cpp
  installer/engine/PortRegistration.cpp
  installer/engine/ComponentChecks.cpp)

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  target_sources(platform_win32 PRIVATE
    platform/win32/Win32Registry.cpp
    platform/win32/Win32Spooler.cpp
    platform/win32/Win32Services.cpp)
  target_link_libraries(platform_win32 PUBLIC winspool advapi32)
else()
  target_sources(platform_sim PRIVATE
    platform/sim/SimRegistry.cpp
    platform/sim/SimSpooler.cpp
    platform/sim/SimServices.cpp
    platform/sim/SimProfileWrite.cpp)
endif()

# The contract cases' own environment on each back end.
if(TARGET native_tests)
  target_sources(native_tests PRIVATE tests/contract/sim/SpoolerEnvSim.cpp)
endif()
if(TARGET contract_tests)
  target_sources(contract_tests PRIVATE tests/contract/win32/SpoolerEnvWin32.cpp)
endif()
