# Checks that no source file includes a header of a higher layer than its own:
#   cmake -DROOT=<source folder> -P check_layers.cmake
# A file may include headers of its own folder and of lower layers only. Layers, lowest first:
#   0 text/   1 ui/toolkit/   2 catalogue/, tracking/   3 runs/   4 ui/
# Fails with the list of offending includes.

cmake_policy(VERSION 3.25)
set(folders text ui/toolkit catalogue tracking runs ui)
set(rank_text 0)
set(rank_ui/toolkit 1)
set(rank_catalogue 2)
set(rank_tracking 2)
set(rank_runs 3)
set(rank_ui 4)

# The layer folder of a path relative to ROOT (ui/toolkit before ui), or empty.
function(layer_of path result)
  set(found "")
  foreach(folder IN ITEMS ui/toolkit text catalogue tracking runs ui)
    if(path MATCHES "^${folder}/")
      set(found ${folder})
      break()
    endif()
  endforeach()
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

set(violations "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    layer_of(${source} own)
    if(NOT own STREQUAL folder)
      continue()
    endif()
    file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" header "${line}")
      if(NOT header MATCHES "/")
        continue()  # a generated header of the build, such as build_settings.h
      endif()
      layer_of(${header} target)
      if(target STREQUAL "")
        list(APPEND violations "${source}: ${header} (outside the program's layers)")
      elseif(NOT target STREQUAL own AND NOT rank_${target} LESS rank_${own})
        list(APPEND violations "${source}: ${header} (${target}/ is not below ${own}/)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " listed)
  message(FATAL_ERROR "Includes against the layers:\n  ${listed}")
endif()
message(STATUS "Every include goes to the file's own layer or a lower one.")
