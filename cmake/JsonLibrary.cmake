# nlohmann-json, header only, from the distribution's package, for both trees.
# The mingw tree must not search the build machine's /usr/include, so both see
# that one folder through a link in the build tree.
set(MERVIK_JSON_HEADERS /usr/include/nlohmann)
if(NOT EXISTS ${MERVIK_JSON_HEADERS}/json.hpp)
  message(FATAL_ERROR "nlohmann/json.hpp is missing: scripts/bootstrap installs nlohmann-json3-dev")
endif()
set(MERVIK_JSON_INCLUDE ${CMAKE_BINARY_DIR}/third-party/include)
file(MAKE_DIRECTORY ${MERVIK_JSON_INCLUDE})
file(CREATE_LINK ${MERVIK_JSON_HEADERS} ${MERVIK_JSON_INCLUDE}/nlohmann SYMBOLIC)
add_library(mervik_json INTERFACE)
target_include_directories(mervik_json SYSTEM INTERFACE ${MERVIK_JSON_INCLUDE})
