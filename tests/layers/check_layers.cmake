# The simulator's folders are layers, lowest first: platform, toolkit, records,
# world, flight, cockpit, shell. A file includes headers of its own layer and
# of the layers below; an include that runs up fails the check, naming it.
#   cmake -DROOT=<source tree> -P check_layers.cmake
set(ORDER platform toolkit records world flight cockpit shell)

set(found "")
set(rank 0)
foreach(folder ${ORDER})
  file(GLOB_RECURSE files RELATIVE "${ROOT}" "${ROOT}/${folder}/*.cpp" "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.hpp")
  list(SORT files)
  foreach(f ${files})
    file(STRINGS "${ROOT}/${f}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" header "${line}")
      string(REGEX MATCH "^[^/]+" top "${header}")
      list(FIND ORDER "${top}" target)
      if(target GREATER rank)
        list(APPEND found "${f}: ${header}")
      endif()
    endforeach()
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

foreach(entry ${found})
  message("runs up the layers: ${entry}")
endforeach()
if(found)
  string(REPLACE ";" " < " layers "${ORDER}")
  message(FATAL_ERROR "Includes must not run up the layers ${layers}")
endif()
