# The simulator's folders are layers, lowest first: platform, toolkit, records,
# world, flight, cockpit, shell. A file includes headers of its own layer and
# of the layers below; an include that runs up fails the check, naming it.
#   cmake -DROOT=<source tree> [-DKNOWN=<file>] -P check_layers.cmake
# KNOWN lists the calls that still run up, one "file: header" a line; it may
# only shrink: an entry that no longer runs up fails the check too.
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

set(known "")
if(KNOWN)
  file(STRINGS "${KNOWN}" known REGEX "^[^#]")
endif()

# Names every entry of the first list that the second lacks.
function(report_missing entries others text)
  foreach(entry ${${entries}})
    list(FIND ${others} "${entry}" k)
    if(k EQUAL -1)
      message("${text}: ${entry}")
      set(failed 1 PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

set(failed 0)
report_missing(found known "runs up the layers")
report_missing(known found "no longer runs up, strike it from the list")
if(failed)
  string(REPLACE ";" " < " layers "${ORDER}")
  message(FATAL_ERROR "Includes must not run up the layers ${layers}")
endif()
