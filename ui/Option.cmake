# Option.exe and the Win32 library its tests link.
enable_language(RC)

add_library(mervik_ui_win32 STATIC
  skin/Gdi.cpp
  skin/PictureLoader.cpp
  skin/MaskRegion.cpp
  skin/SkinFolder.cpp
  skin/SkinImages.cpp
  skin/CSkinnedWindow.cpp
  skin/CSkinnedDialog.cpp
  controls/Window.cpp
  controls/HoverTracker.cpp
  controls/ButtonTooltip.cpp
  controls/ButtonFaces.cpp
  controls/PlaceButton.cpp
  controls/DeferredControls.cpp
  controls/COwnerDrawButton.cpp
  controls/CSkinButton.cpp
  controls/CColorButton.cpp
  controls/CRgnButton.cpp
  controls/CBitmapEdit.cpp
  controls/CPHSlider.cpp
  controls/CclickHSlider.cpp
  controls/CSkinListBox.cpp
  controls/CListItemEditor.cpp
  controls/CSkinMenu.cpp
  controls/CoolMenuHook.cpp
  dialogs/CWarnDlg.cpp
  pages/CSkinnedPage.cpp
  main/Language.cpp
  main/ProgramWide.cpp
  main/SharedBlockLink.cpp
  main/FirstPaintSignal.cpp
  main/COptionDlg.cpp
  main/COptionApp.cpp
)
target_include_directories(mervik_ui_win32 PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(mervik_ui_win32
  PUBLIC mervik_ui_core mervik_settings_win32 mervik_settings mervik_macros
         user32 gdi32 comctl32 ole32 oleaut32 uuid msimg32 shell32 advapi32
  PRIVATE mervik_warnings)

add_executable(Option WIN32 main/main.cpp main/Option.rc)
target_include_directories(Option PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(Option PRIVATE mervik_ui_win32 mervik_warnings)
mervik_install_targets(Option)
