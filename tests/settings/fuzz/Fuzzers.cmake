# The fuzzers, with the portable sources they reach compiled in with the
# coverage instrumentation libFuzzer follows. MERVIK_SOURCE_ROOT is the source
# tree.
file(GLOB settings_sources CONFIGURE_DEPENDS ${MERVIK_SOURCE_ROOT}/settings/*.cpp)
list(FILTER settings_sources EXCLUDE REGEX "Win32")
file(GLOB macros_sources CONFIGURE_DEPENDS ${MERVIK_SOURCE_ROOT}/macros/*.cpp)
file(GLOB exchange_sources CONFIGURE_DEPENDS ${MERVIK_SOURCE_ROOT}/exchange/*.cpp)
if(NOT TARGET mervik_json)
  include(${MERVIK_SOURCE_ROOT}/cmake/JsonLibrary.cmake)
endif()
if(NOT TARGET ZLIB::ZLIB)
  find_package(ZLIB REQUIRED)
endif()

set(fuzz_warnings -Wall -Wextra $<$<BOOL:${MERVIK_WERROR}>:-Werror>)

add_library(fuzzed_core OBJECT ${settings_sources} ${macros_sources} ${exchange_sources})
target_include_directories(fuzzed_core PUBLIC ${MERVIK_SOURCE_ROOT})
target_link_libraries(fuzzed_core PUBLIC mervik_json)
target_compile_options(fuzzed_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined ${fuzz_warnings})

# mervik_fuzzer(name source [more sources...]): the core and the sources given.
function(mervik_fuzzer name source)
  add_executable(${name} ${source} ${ARGN} $<TARGET_OBJECTS:fuzzed_core>)
  target_include_directories(${name} PRIVATE ${MERVIK_SOURCE_ROOT})
  target_link_libraries(${name} PRIVATE mervik_json)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined ${fuzz_warnings})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
endfunction()

mervik_fuzzer(ini_fuzzer ${CMAKE_CURRENT_LIST_DIR}/IniFuzzer.cpp)
mervik_fuzzer(macro_file_fuzzer ${MERVIK_SOURCE_ROOT}/tests/macros/fuzz/MacroFileFuzzer.cpp)
mervik_fuzzer(profile_import_fuzzer ${MERVIK_SOURCE_ROOT}/tests/exchange/fuzz/ProfileImportFuzzer.cpp)
mervik_fuzzer(png_fuzzer ${MERVIK_SOURCE_ROOT}/tests/ui/fuzz/PngFuzzer.cpp
              ${MERVIK_SOURCE_ROOT}/ui/core/PngPicture.cpp ${MERVIK_SOURCE_ROOT}/ui/core/PictureLimits.cpp)
target_link_libraries(png_fuzzer PRIVATE ZLIB::ZLIB)
