# Native Linux build: the simulated machine and the tests that run on it.
find_package(GTest REQUIRED)
include(GoogleTest)

add_library(platform_sim STATIC
  platform/sim/IniText.cpp
  platform/sim/SimFileSystem.cpp
  platform/sim/SimMachine.cpp
  platform/sim/StockWindows.cpp
  platform/sim/MachineFile.cpp)
target_link_libraries(platform_sim PUBLIC platform_core)

file(GLOB NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*.cpp)
file(GLOB CONTRACT_TESTS CONFIGURE_DEPENDS tests/contract/*.cpp)
add_executable(native_tests ${NATIVE_TESTS} ${CONTRACT_TESTS} tests/contract/sim/ContractEnvSim.cpp)
target_link_libraries(native_tests PRIVATE installer_core platform_sim GTest::gtest GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE
  SAMPLE_PACKAGE_DIR="${PACKAGE_DIR}" SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(native_tests sample_package)
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60)

add_executable(catalogue_tool tools/catalogue_tool.cpp)
target_link_libraries(catalogue_tool PRIVATE installer_core platform_sim)

add_test(NAME sample_package_check
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/package/test_package.py ${PACKAGE_DIR})

include(cmake/Wizard.cmake)

include(cmake/Ui.cmake)
include(cmake/SpoolerEngine.cmake)
