# Programs and tests of the dialog framework on real windows under Wine (the MinGW
# builds); the tests run in the x86_64 build, under Xvfb.
add_executable(automation tools/automation/automation.cpp)
target_compile_options(automation PRIVATE -municode)
target_link_options(automation PRIVATE -municode)

add_executable(ui_smoke tests/wine/UiSmoke.cpp tests/wine/UiSmoke.rc)
target_link_libraries(ui_smoke PRIVATE ui)
add_dependencies(ui_smoke program_icon)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  add_test(NAME wine_ui_smoke
    COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/ui_smoke.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_ui_smoke PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)
  add_test(NAME wine_startup_refusals
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/wine/startup_refusals.py ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_startup_refusals PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE)
  foreach(language en zh)
    add_test(NAME wine_wizard_walk_${language}
      COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/wine/wizard_walk.py ${CMAKE_BINARY_DIR} ${language})
    set_tests_properties(wine_wizard_walk_${language} PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE)
  endforeach()
endif()
