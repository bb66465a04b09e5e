# The dialog framework: the common part and the dialog templates, with the sim back end
# in the native build and the win32 back end in the MinGW builds. Programs and tests
# link the one library `ui`.
set(UI_COMMON_SOURCES
  ui/Dialog.cpp
  ui/DataExchange.cpp
  ui/Controls.cpp
  ui/Graphics.cpp
  resources/dialogs/InstallerDialogs.cpp
  resources/dialogs/TemplateTable.cpp
  resources/dialogs/Strings.cpp)

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  file(GLOB UI_BACKEND_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ui/win32/*.cpp)
  add_library(ui STATIC ${UI_COMMON_SOURCES} ${UI_BACKEND_SOURCES})
  target_link_libraries(ui PUBLIC platform_core comctl32 gdi32 user32)
  include(${CMAKE_CURRENT_LIST_DIR}/../tests/wine/WineTests.cmake OPTIONAL)
else()
  file(GLOB UI_BACKEND_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ui/sim/*.cpp)
  add_library(ui STATIC ${UI_COMMON_SOURCES} ${UI_BACKEND_SOURCES})
  target_link_libraries(ui PUBLIC platform_core)
  target_link_libraries(native_tests PRIVATE ui)
endif()
