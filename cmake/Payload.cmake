# The driver package's W32 and W64 payload: stand-ins for the driver, monitor and
# print-processor files that DRVCONFIG names, built with MinGW in every tree (i686 for
# W32, x86_64 for W64) and copied into the built package. Without the MinGW compilers
# (a native-only machine) the same names are placeholder files: the simulated machine
# copies them like any file, but nothing can load them or read a version from them.
# Also the byte fixtures of the file tests (cabinets made by gcab, a versioned DLL).
find_program(MINGW_I686_CC i686-w64-mingw32-gcc)
find_program(MINGW_I686_RC i686-w64-mingw32-windres)
find_program(MINGW_X64_CC x86_64-w64-mingw32-gcc)
find_program(MINGW_X64_RC x86_64-w64-mingw32-windres)
find_program(GCAB_PROGRAM gcab REQUIRED)

set(PAYLOAD_DIR ${CMAKE_BINARY_DIR}/payload)
set(PAYLOAD_SOURCES ${CMAKE_SOURCE_DIR}/fakes/payload)

# File name and the stand-in it is built from.
set(PAYLOAD_BINARIES
  KQCOMMON.DLL=PortMonitor KQUSBMON.DLL=PortMonitor KQLMON.DLL=PortMonitor
  KQCOM9X.DLL=PortMonitor KQUSB9X.DLL=PortMonitor KQLMON9X.DLL=PortMonitor
  KQCOMUI.DLL=MonitorUi KQUSBUI.DLL=MonitorUi KQCOMUI9X.DLL=MonitorUi KQUSBUI9X.DLL=MonitorUi
  QMXPP.DLL=PrintProcessor
  UNIDRV.DLL=PrinterDriver RASDD.DLL=PrinterDriver QMXREND.DLL=PrinterDriver
  UNIDRVUI.DLL=DriverUi RASDDUI.DLL=DriverUi QMXUI.DLL=DriverUi
  UNIRES.DLL=ResourceOnly QMXRES.DLL=ResourceOnly QMXUI_EN.DLL=ResourceOnly QMXUI_CN.DLL=ResourceOnly
  QK660NT.DLL=ResourceOnly QJ330NT.DLL=ResourceOnly DMCOLOR.DLL=ResourceOnly
  SRCLIENT.DLL=ResourceOnly FRAMEDYN.DLL=ResourceOnly NEWDEV.DLL=ResourceOnly
  QMXLOGV.EXE=Program)
# Data files: a line of text each.
set(PAYLOAD_DATA
  QE210.GPD QE210G.GPD QE58.GPD QE58G.GPD QJ330.GPD QJ330G.GPD QK660.GPD QK660G.GPD
  QK880N.GPD QK880NG.GPD QT20.GPD QT20G.GPD QT5.GPD QT5G.GPD QT620.GPD QT620G.GPD
  QT910H.GPD QT910HG.GPD STDNAMES.GPD TTFSUB.GPD QK660.DRV QJ330.DRV
  UNIDRV.HLP RASDDUI.HLP QMXREND.INI QMXLOG.INI QMXFONT.DAT QMXUSBID.DAT)

set(PAYLOAD_OUTPUTS)
foreach(folder W32 W64)
  if(folder STREQUAL "W32")
    set(cc ${MINGW_I686_CC})
    set(rc ${MINGW_I686_RC})
    set(entry _DllMain@12)
  else()
    set(cc ${MINGW_X64_CC})
    set(rc ${MINGW_X64_RC})
    set(entry DllMain)
  endif()
  set(out ${PAYLOAD_DIR}/${folder})
  file(MAKE_DIRECTORY ${out})
  foreach(name ${PAYLOAD_DATA})
    file(WRITE ${out}/${name} "; ${name}: stand-in file of the driver package (${folder})\r\n")
    list(APPEND PAYLOAD_OUTPUTS ${out}/${name})
  endforeach()
  set(have_mingw FALSE)
  if(cc AND rc)
    set(have_mingw TRUE)
  endif()
  set(version_object ${PAYLOAD_DIR}/version-${folder}.o)
  if(have_mingw)
    add_custom_command(OUTPUT ${version_object}
      COMMAND ${rc} ${PAYLOAD_SOURCES}/Version.rc -O coff -o ${version_object}
      DEPENDS ${PAYLOAD_SOURCES}/Version.rc
      COMMENT "Payload version resource (${folder})")
  endif()
  foreach(pair ${PAYLOAD_BINARIES})
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 name)
    list(GET pair 1 source)
    if(have_mingw AND source STREQUAL "Program")
      add_custom_command(OUTPUT ${out}/${name}
        COMMAND ${cc} -O2 -Wall -Wextra -mwindows -s -o ${out}/${name}
                ${PAYLOAD_SOURCES}/${source}.c ${version_object}
        DEPENDS ${PAYLOAD_SOURCES}/${source}.c ${version_object}
        COMMENT "Payload ${folder}/${name}")
    elseif(have_mingw)
      # No C run-time: the stand-ins need nothing beyond kernel32, and stay a few KB.
      add_custom_command(OUTPUT ${out}/${name}
        COMMAND ${cc} -O2 -Wall -Wextra -shared -nostdlib -Wl,--kill-at -Wl,-e,${entry} -s
                -o ${out}/${name} ${PAYLOAD_SOURCES}/${source}.c ${version_object} -lkernel32
        DEPENDS ${PAYLOAD_SOURCES}/${source}.c ${version_object}
        COMMENT "Payload ${folder}/${name}")
    else()
      file(WRITE ${out}/${name} "placeholder for ${name}: no MinGW compiler on this machine\r\n")
    endif()
    list(APPEND PAYLOAD_OUTPUTS ${out}/${name})
  endforeach()
  if(NOT have_mingw)
    message(STATUS "No MinGW compilers: the package's ${folder} payload is placeholder files")
  endif()
endforeach()

# Into the built package, after tools/build_package.py has made it (it replaces the
# whole folder, which takes the stamp with it and so brings the payload back).
add_custom_command(OUTPUT ${PACKAGE_DIR}/.payload
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PAYLOAD_DIR}/W32 ${PACKAGE_DIR}/W32
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PAYLOAD_DIR}/W64 ${PACKAGE_DIR}/W64
  COMMAND ${CMAKE_COMMAND} -E touch ${PACKAGE_DIR}/.payload
  DEPENDS ${PACKAGE_DIR}/.built ${PAYLOAD_OUTPUTS}
  COMMENT "Payload into the sample package")
add_custom_target(package_payload ALL DEPENDS ${PACKAGE_DIR}/.payload)
add_dependencies(package_payload sample_package)

# The file tests' byte fixtures.
set(FILE_FIXTURES ${CMAKE_BINARY_DIR}/fixtures/FileFixtures.h)
add_custom_command(OUTPUT ${FILE_FIXTURES}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/fixtures/file_fixtures.py
          ${FILE_FIXTURES} ${GCAB_PROGRAM} ${CMAKE_BINARY_DIR}/fixtures/work ${PAYLOAD_DIR}/W32/QMXRES.DLL
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/fixtures/file_fixtures.py ${PAYLOAD_DIR}/W32/QMXRES.DLL
  COMMENT "File test fixtures")
add_custom_target(file_fixtures DEPENDS ${FILE_FIXTURES})
foreach(tests native_tests contract_tests)
  if(TARGET ${tests})
    add_dependencies(${tests} package_payload file_fixtures)
    target_include_directories(${tests} PRIVATE ${CMAKE_BINARY_DIR}/fixtures)
  endif()
endforeach()
