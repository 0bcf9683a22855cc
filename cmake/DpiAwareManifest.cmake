# The application manifest that declares a program per-monitor DPI aware (v2):
#
#   mervik_dpi_aware(target)
#
# Works on targets made in other folders, so one list can name every program.
function(mervik_dpi_aware target)
  set(rc ${CMAKE_BINARY_DIR}/manifests/${target}.rc)
  # 1 is the manifest a process is created with, 24 the manifest resource type.
  file(CONFIGURE OUTPUT ${rc} CONTENT "1 24 \"${PROJECT_SOURCE_DIR}/cmake/DpiAware.manifest\"\n")
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/DpiAware.manifest)
endfunction()
