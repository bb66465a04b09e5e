# Windows build: the real programs and the contract tests of the win32 back end.
add_library(platform_win32 STATIC platform/win32/Win32Platform.cpp)
target_link_libraries(platform_win32 PUBLIC platform_core)

set(ICON_FILE ${CMAKE_BINARY_DIR}/program.ico)
add_custom_command(OUTPUT ${ICON_FILE}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/build_package.py --icon ${ICON_FILE}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/build_package.py)
add_custom_target(program_icon DEPENDS ${ICON_FILE})
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_BINARY_DIR} -I${CMAKE_SOURCE_DIR}")

add_executable(drvsetup WIN32 installer/app/main_win.cpp resources/drvsetup.rc)
target_link_libraries(drvsetup PRIVATE installer_core platform_win32)
add_dependencies(drvsetup program_icon)

add_executable(posadjust WIN32 posadjust/main_win.cpp resources/posadjust.rc)
target_link_libraries(posadjust PRIVATE platform_win32)
add_dependencies(posadjust program_icon)

# GoogleTest from Debian's sources, built with the same cross compiler.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB CONTRACT_TESTS CONFIGURE_DEPENDS tests/contract/*.cpp)
add_executable(contract_tests ${CONTRACT_TESTS} tests/contract/win32/ContractEnvWin32.cpp)
target_link_libraries(contract_tests PRIVATE platform_win32 gtest gtest_main)

# The 64-bit build is the one Wine runs here (tools/wine/run says why); the 32-bit
# build makes the programs that ship.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(WINE_RUN ${CMAKE_SOURCE_DIR}/tools/wine/run)
  add_test(NAME wine_contract_tests COMMAND ${WINE_RUN} ${CMAKE_BINARY_DIR}/contract_tests.exe)
endif()

include(cmake/Wizard.cmake)

include(cmake/Ui.cmake)
include(cmake/SpoolerEngine.cmake)
