# Generates the native build's string table from the resource script:
#   cmake -DRC=ulmogpp.rc -DOUT=string_table.inc -P strings.cmake
# Each string-table line "id, "text"" becomes "{id, "text"}," with the literal copied as it
# stands: the resource compiler and the C++ compiler read the same escapes.
file(STRINGS ${RC} lines)
set(inside OFF)
set(body "// Generated from ulmogpp.rc; do not edit.\n")
foreach(line IN LISTS lines)
  if(line MATCHES "^STRINGTABLE")
    set(inside ON)
  elseif(inside AND line MATCHES "^END")
    set(inside OFF)
  elseif(inside AND line MATCHES "^[ \t]*([0-9]+),[ \t]*(\".*\")[ \t]*$")
    string(APPEND body "{${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}},\n")
  endif()
endforeach()
file(WRITE ${OUT}.tmp "${body}")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
