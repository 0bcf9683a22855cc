include(${PROJECT_SOURCE_DIR}/cmake/DpiAwareManifest.cmake)

# Option under Wine: the controls and skin code in process, then the real
# Option.exe driven from outside with X input. The in-process tests hold the
# suite's save lock and block mutex and make a window captioned as Monitor's:
# in a session of their own, so no other test program meets them.
mervik_test(NAME ui_win_tests WINE_ONLY DESKTOP 1280x1024
  SOURCES win32/TestWindows.cpp win32/SkinImagesTest.cpp win32/ControlsTest.cpp win32/SkinnedPageTest.cpp
          win32/OptionSavesTest.cpp win32/SkinFailureTest.cpp win32/MacroPageTest.cpp
          win32/ScopedKeyCaptureTest.cpp win32/AnsiTextTest.cpp win32/WindowBaseTest.cpp
          win32/DialogKeyboardTest.cpp
  LIBS mervik_ui_win32)
# Option's warnings take their texts from lan.dll beside the program.
add_custom_command(TARGET ui_win_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:lan> $<TARGET_FILE_DIR:ui_win_tests>)
add_dependencies(ui_win_tests lan)

# Test helpers: a stand-in for Monitor, a probe of Option's state from
# outside, and a runner that shows one warning.
foreach(helper FakeMonitor OptionProbe WarnShow OptionBench SelectMacroShow ButtonDialogShow
               SendDpiChange
               AccessProbe)
  add_executable(${helper} helpers/${helper}.cpp)
  target_include_directories(${helper} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${helper} PRIVATE mervik_ui_win32 mervik_warnings)
  # As Option: the windows they show and measure are drawn for the DPI.
  mervik_dpi_aware(${helper})
endforeach()
# The probe presses the simulated mouse's buttons at a moment of its choosing.
target_link_libraries(OptionProbe PRIVATE mervik_mousesim_client)

# The real Option.exe, driven with X input, one script a part of the window.
# Each runs in a Wine prefix and on an X display of its own, so they may run
# side by side. COST is a script's time in seconds on the 2-core machine,
# beside the other Windows tests:
# ctest starts the longest first, so a run ends on short entries (a fresh
# checkout has no timings of its own to order by).
function(option_e2e_test name cost)
  add_test(NAME wine.${name}
    COMMAND ${MERVIK_E2E_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/${name}.py
            --bin $<TARGET_FILE_DIR:OptionProbe> --option $<TARGET_FILE:Option> --skins ${MERVIK_SKIN_DIR}
            --lan $<TARGET_FILE:lan> --out ${CMAKE_CURRENT_BINARY_DIR}
            --monitor $<TARGET_FILE:Monitor> --hiddriver $<TARGET_FILE:hiddriver_sim>
            --mousesim $<TARGET_FILE:mousesim> --mervikctl $<TARGET_FILE:mervikctl>)
  set_tests_properties(wine.${name} PROPERTIES TIMEOUT 900 LABELS wine COST ${cost})
endfunction()
option_e2e_test(display_scaling_e2e 110)
option_e2e_test(upload_status_e2e 100)
option_e2e_test(main_window_e2e 92)
option_e2e_test(macro_page_e2e 85)
option_e2e_test(profile_exchange_e2e 55)
option_e2e_test(button_page_e2e 51)
option_e2e_test(keyboard_e2e 55)
option_e2e_test(language_e2e 37)
option_e2e_test(dialogs_e2e 38)
option_e2e_test(dpi_change_e2e 27)
add_custom_target(option_e2e_inputs ALL
  DEPENDS Option FakeMonitor OptionProbe AccessProbe WarnShow SelectMacroShow ButtonDialogShow
          SendDpiChange lan skins
          Monitor hiddriver_sim mousesim mervikctl)
