# Fails when a folder of the installer includes a header of a folder above it, so the
# layers stay a stack: files at the bottom, then componentdb, payload, setup on top. A
# folder's win32/ half counts as the folder.
#
#   cmake -DROOT=<installer folder> -P layering.cmake
set(layers files componentdb payload setup)
file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/*.h ${ROOT}/*.cpp)
set(violations "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder ${source})
  list(FIND layers ${folder} rank)
  if(rank LESS 0)
    continue()
  endif()
  file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^/\"]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^/\"]+)/.*" "\\1" included ${line})
    list(FIND layers ${included} included_rank)
    if(included_rank GREATER rank)
      string(APPEND violations "\n  ${source}: ${line}")
    endif()
  endforeach()
endforeach()
if(violations)
  string(REPLACE ";" " < " order "${layers}")
  message(FATAL_ERROR "A lower layer includes a higher one (${order}):${violations}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files of ${ROOT} checked")
