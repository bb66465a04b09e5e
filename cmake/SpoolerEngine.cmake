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

# The engine check: stages a model's driver from the sample package beside it, adds the
# driver and an LPT printer, makes it the default printer and reads them back, on real
# Windows calls (under 64-bit Wine here).
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(ENGINECHECK_DIR ${CMAKE_BINARY_DIR}/enginecheck)
  add_executable(enginecheck tools/enginecheck/main.cpp)
  target_link_libraries(enginecheck PRIVATE installer_core platform_win32)
  set_target_properties(enginecheck PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ENGINECHECK_DIR})
  add_dependencies(enginecheck package_payload)
  add_custom_command(TARGET enginecheck POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PACKAGE_DIR} ${ENGINECHECK_DIR})
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    add_test(NAME wine_engine_check COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/run ${ENGINECHECK_DIR}/enginecheck.exe)
  endif()
endif()
