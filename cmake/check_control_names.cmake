# Checks that no source file names a control of the main window by a string literal:
#   cmake -DROOT=<source folder> -P check_control_names.cmake
# The names live in toolkit/control_names.h; code and tests use its constants, so a misspelt
# name fails to compile instead of failing at run time. Fails with the list of offending lines.

cmake_policy(VERSION 3.25)
set(names_header toolkit/control_names.h)
file(STRINGS ${ROOT}/${names_header} definitions
     REGEX "^inline constexpr std::string_view k[A-Za-z0-9]+ = \"[A-Za-z0-9]+\";")
set(names "")
foreach(definition IN LISTS definitions)
  string(REGEX REPLACE ".* = \"([A-Za-z0-9]+)\";" "\\1" name "${definition}")
  list(APPEND names ${name})
endforeach()
if(NOT names)
  message(FATAL_ERROR "No control names found in ${names_header}")
endif()
list(JOIN names "|" alternatives)

set(violations "")
file(GLOB_RECURSE sources RELATIVE ${ROOT}
     ${ROOT}/text/*.cpp ${ROOT}/text/*.h ${ROOT}/catalogue/*.cpp ${ROOT}/catalogue/*.h
     ${ROOT}/tracking/*.cpp ${ROOT}/tracking/*.h ${ROOT}/runs/*.cpp ${ROOT}/runs/*.h
     ${ROOT}/toolkit/*.cpp ${ROOT}/toolkit/*.h ${ROOT}/ui/*.cpp ${ROOT}/ui/*.h
     ${ROOT}/batch/*.cpp ${ROOT}/batch/*.h ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
     ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h)
foreach(source IN LISTS sources)
  if(source STREQUAL names_header OR source MATCHES "^tests/layers/")
    continue()  # the header itself, and the trees that show the checks failing
  endif()
  file(STRINGS ${ROOT}/${source} lines REGEX "\"(${alternatives})\"")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(REPLACE ";" "" line "${line}")
    list(APPEND violations "${source}: ${line}")
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " listed)
  message(FATAL_ERROR "Control names written as literals (use control_names.h):\n  ${listed}")
endif()
message(STATUS "No source file names a control by a literal.")
