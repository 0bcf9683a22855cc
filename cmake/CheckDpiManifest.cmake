# Test: every program named in FILES (a ;-list) carries the per-monitor v2
# manifest, as the one the process is created with.
foreach(file ${FILES})
  file(STRINGS ${file} found REGEX "PerMonitorV2" LIMIT_COUNT 1)
  if(NOT found)
    message(FATAL_ERROR "${file} does not declare per-monitor DPI awareness (v2)")
  endif()
endforeach()
