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

# The installer's own targets need the dialog framework's `ui`, whichever order the
# build files include the two in, so they are made at the end of the top directory.
function(wizard_targets)
  if(TARGET ui)
    add_library(installer_wizard STATIC
      installer/app/AboutDialog.cpp
      installer/app/OsCodes.cpp
      installer/app/ProcessObjects.cpp
      installer/app/SetupApp.cpp
      installer/app/StartupGate.cpp
      installer/app/WizardDialog.cpp
      installer/app/WizardRules.cpp
      installer/app/WizardState.cpp
      installer/pages/CEditEx.cpp
      installer/pages/LicencePage.cpp
      installer/pages/LinkStatic.cpp
      installer/pages/ModePage.cpp
      installer/pages/ModelPage.cpp
      installer/pages/OsPage.cpp
      installer/pages/OsPageRules.cpp
      installer/pages/PortPage.cpp
      installer/pages/PortPageRules.cpp)
    target_link_libraries(installer_wizard PUBLIC installer_core ui)

    if(TARGET platform_sim)
      target_link_libraries(native_tests PRIVATE installer_wizard)
      target_sources(native_tests PRIVATE tools/scenario/Script.cpp tools/scenario/Runner.cpp
        tools/scenario/Transcript.cpp)
      add_executable(scenario tools/scenario/main.cpp tools/scenario/Script.cpp tools/scenario/Runner.cpp
        tools/scenario/Transcript.cpp)
      target_link_libraries(scenario PRIVATE installer_wizard ui platform_sim)
      target_compile_definitions(scenario PRIVATE SAMPLE_PACKAGE_DIR="${PACKAGE_DIR}")
      add_dependencies(scenario sample_package)
    endif()
    if(TARGET drvsetup)
      target_link_libraries(drvsetup PRIVATE installer_wizard ui)
    endif()
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL wizard_targets)
