# Version resources: what a file's properties show (product, version,
# description), from the project's one version number.
#
#   mervik_version_resource(target "description")
#
# Works on targets made in other folders, so one list can name everything that
# ships.
set(MERVIK_PRODUCT_NAME "Mervik")
set(MERVIK_PUBLISHER "Mervik")

function(mervik_version_resource target description)
  get_target_property(type ${target} TYPE)
  get_target_property(output_name ${target} OUTPUT_NAME)
  if(NOT output_name)
    set(output_name ${target})
  endif()
  if(type STREQUAL "EXECUTABLE")
    set(VERSION_FILE_TYPE VFT_APP)
    set(VERSION_FILE_NAME ${output_name}.exe)
  else()
    set(VERSION_FILE_TYPE VFT_DLL)
    set(VERSION_FILE_NAME ${output_name}.dll)
  endif()
  set(VERSION_DESCRIPTION "${description}")
  set(VERSION_INTERNAL_NAME ${output_name})
  # Four numbers for the fixed part; missing ones are 0.
  foreach(part MAJOR MINOR PATCH TWEAK)
    set(VERSION_${part} "${PROJECT_VERSION_${part}}")
    if("${VERSION_${part}}" STREQUAL "")
      set(VERSION_${part} 0)
    endif()
  endforeach()
  set(rc ${CMAKE_BINARY_DIR}/version-resources/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/VersionResource.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
