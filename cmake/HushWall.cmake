# Build conventions shared by every module, tool and test folder.

# Splits the modules' sources into the portable core and the Windows shell.
# ui/main/winmain_win32.cpp is the program's entry and belongs to the executable only.
function(hushwall_collect_sources core_out win32_out)
  set(core "")
  set(win32 "")
  foreach(module IN LISTS HUSHWALL_MODULES)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${module}/*.cpp)
    foreach(source IN LISTS sources)
      if(source MATCHES "winmain_win32\\.cpp$")
        continue()
      elseif(source MATCHES "_win32\\.cpp$")
        list(APPEND win32 ${source})
      else()
        list(APPEND core ${source})
      endif()
    endforeach()
  endforeach()
  set(${core_out} ${core} PARENT_SCOPE)
  set(${win32_out} ${win32} PARENT_SCOPE)
endfunction()

# Every <name>_test.cpp of a test folder becomes one test program; the folder's
# support/*.cpp and *.rc files are linked into each. tests/unit links the portable
# core only (natively, or cross-built and run under Wine); the Windows folders link
# the shell. Every test has a deadline.
function(hushwall_add_test_folder folder)
  get_filename_component(kind ${folder} NAME)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*_test.cpp)
  file(GLOB support CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/support/*.cpp)
  file(GLOB resources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.rc)
  if(kind STREQUAL "unit")
    set(library hushwall_core)
  else()
    set(library hushwall_win32)
  endif()
  if(CMAKE_CROSSCOMPILING)
    set(gtest gtest gtest_main)
    # Under Wine on a loaded host a program starts and ends in a few seconds; a test
    # still running well past its usual time is hung, and waiting longer only delays
    # the report.
    if(kind STREQUAL "unit")
      set(timeout 30)
    else()
      set(timeout 60)
    endif()
  else()
    set(gtest GTest::gtest GTest::gtest_main)
    set(timeout 120)
  endif()
  # The support files are compiled once for the folder, not once for each program.
  set(support_objects "")
  if(support)
    add_library(${kind}_support OBJECT ${support})
    target_link_libraries(${kind}_support PRIVATE ${library} ${gtest})
    target_include_directories(${kind}_support PRIVATE ${CMAKE_SOURCE_DIR}/${folder})
    set(support_objects $<TARGET_OBJECTS:${kind}_support>)
  endif()
  foreach(test IN LISTS tests)
    get_filename_component(name ${test} NAME_WE)
    set(target ${kind}_${name})
    add_executable(${target} ${test} ${support_objects} ${resources})
    target_link_libraries(${target} PRIVATE ${library} ${gtest})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/${folder})
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT ${timeout})
  endforeach()
endfunction()
