# Helpers shared by every folder's CMakeLists.

# GoogleTest: the system package natively; built from Debian's sources for mingw.
macro(mervik_find_gtest)
  if(WIN32)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
  include(GoogleTest)
endmacro()

# The end-to-end scripts and the Wine sessions run on the system's Python.
find_program(MERVIK_E2E_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)

# mervik_test(NAME name SOURCES ... [LIBS ...] [NATIVE_ONLY] [WINE_ONLY]
#             [DESKTOP WxH [SHARDS N] [ALONE filter...]])
# Natively every test case is its own ctest entry. Under Wine one entry runs the
# whole executable, since each Wine start costs far more than a test case; its
# output names every case it ran, so a crash shows the case it happened in.
# DESKTOP runs it in a Wine session of its own (prefix, server and X display)
# whose programs share one virtual desktop of that size, which also gives the
# tray a home. SHARDS splits such a program's cases into N entries (GoogleTest's
# sharding), each in a session of its own, so they run side by side. COST is
# an entry's time in seconds on the 2-core machine with the Windows tests
# running side by side (50 for a session unless given), for ctest to start the
# longest entries first: a fresh checkout has no timings of its own. ALONE
# names cases (GoogleTest filters) that measure how fast something answers:
# each runs as an entry of its own session with no other test beside it (a busy
# machine would measure its own load), and the shards leave them out. OWN_SESSION runs a program without windows in a
# session of its own: one that holds named objects the programs of the shared
# prefix take (the settings' save lock), which would make them wait beside it.
function(mervik_test)
  cmake_parse_arguments(T "NATIVE_ONLY;WINE_ONLY;OWN_SESSION" "NAME;DESKTOP;SHARDS;COST" "SOURCES;LIBS;ALONE"
                        ${ARGN})
  if(WIN32 AND T_NATIVE_ONLY)
    return()
  endif()
  if(NOT WIN32 AND T_WINE_ONLY)
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main mervik_warnings)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  if(WIN32 AND (T_DESKTOP OR T_OWN_SESSION))
    if(NOT T_SHARDS)
      set(T_SHARDS 1)
    endif()
    if(NOT T_COST)
      set(T_COST 50)
    endif()
    set(session ${MERVIK_E2E_PYTHON} ${PROJECT_SOURCE_DIR}/tests/support/e2e/run_in_session.py)
    if(T_DESKTOP)
      list(APPEND session --desktop ${T_DESKTOP})
    endif()
    set(others "")
    if(T_ALONE)
      list(JOIN T_ALONE ":" alone)
      set(others "GTEST_FILTER=-${alone}")
      add_test(NAME wine.${T_NAME}.alone
        COMMAND ${session} --prefix ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}-alone-prefix
                -- $<TARGET_FILE:${T_NAME}>)
      set_tests_properties(wine.${T_NAME}.alone PROPERTIES TIMEOUT 600 LABELS wine
        RUN_SERIAL ON ENVIRONMENT "GTEST_FILTER=${alone}")
    endif()
    math(EXPR last "${T_SHARDS} - 1")
    foreach(shard RANGE ${last})
      set(entry wine.${T_NAME})
      if(T_SHARDS GREATER 1)
        set(entry wine.${T_NAME}.${shard})
      endif()
      add_test(NAME ${entry}
        COMMAND ${session} --prefix ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}-${shard}-prefix
                -- $<TARGET_FILE:${T_NAME}>)
      set_tests_properties(${entry} PROPERTIES TIMEOUT 600 LABELS wine COST ${T_COST}
        ENVIRONMENT "GTEST_TOTAL_SHARDS=${T_SHARDS};GTEST_SHARD_INDEX=${shard};${others}")
    endforeach()
  elseif(WIN32)
    add_test(NAME wine.${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(wine.${T_NAME} PROPERTIES TIMEOUT 600 LABELS wine)
    if(T_COST)
      set_tests_properties(wine.${T_NAME} PROPERTIES COST ${T_COST})
    endif()
  else()
    gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# A portable core library: no <windows.h>, warnings on, includes from the root.
function(mervik_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE mervik_warnings)
endfunction()

# Program folders under dist/: component "program" is the folder for a real
# mouse, "demo" the same folder with the simulated mouse. Everything but the HID
# library goes into both.
#   mervik_install_targets(target...)            executables and DLLs, both folders
#   mervik_install_directory(dir DESTINATION d)  a generated folder, both folders
function(mervik_install_targets)
  foreach(component program demo)
    # COMPONENT binds to the artifact kind before it, so each kind names it.
    install(TARGETS ${ARGN} RUNTIME DESTINATION . COMPONENT ${component}
                            LIBRARY DESTINATION . COMPONENT ${component})
  endforeach()
endfunction()

function(mervik_install_directory dir)
  cmake_parse_arguments(I "" "DESTINATION" "" ${ARGN})
  foreach(component program demo)
    install(DIRECTORY ${dir}/ DESTINATION ${I_DESTINATION} COMPONENT ${component})
  endforeach()
endfunction()
