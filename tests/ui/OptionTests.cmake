# Option under Wine: the controls and skin code in process, then the real
# Option.exe driven from outside with X input.
mervik_test(NAME ui_win_tests WINE_ONLY
  SOURCES win/TestWindows.cpp win/SkinImagesTest.cpp win/ControlsTest.cpp
  LIBS mervik_ui_win32)

# Test helpers: a stand-in for Monitor, a probe of Option's state from
# outside, and a runner that shows one warning.
foreach(helper FakeMonitor OptionProbe WarnShow)
  add_executable(${helper} helpers/${helper}.cpp)
  target_include_directories(${helper} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${helper} PRIVATE mervik_ui_win32 mervik_warnings)
endforeach()
