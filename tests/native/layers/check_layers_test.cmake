# cmake -DCHECK=<check_layers.cmake> -DWORK=<scratch folder> -P check_layers_test.cmake
#
# Runs the layering check over small planted trees: a clean one passes, and each kind of
# upward include, each include it cannot place and each file outside the table's folders
# fails with the offending file and header named.

set(tree "${WORK}/tree")
set(table "${WORK}/layers.txt")
file(WRITE "${table}" "# folder rank
app/low      0
app/mid      1   # a comment after a row
app/peer1    2
app/peer2    2
app/top      3
app/shared   4   other   # a folder of another program inside this one's
other/base   0
other/api    1
interface other/api/api.h
app/tests    -
generated generated.inc
generated made/table.h
")

set(failures 0)

# A fresh tree holding the clean program plus `extra` (pairs of path and text).
function(plant)
  file(REMOVE_RECURSE "${tree}")
  set(files
    app/low/low.h "#pragma once"
    app/low/low.cpp "#include \"low.h\"\n#include <vector>"
    app/mid/mid.h "#pragma once\n  #  include \"../low/low.h\""
    app/mid/mid.cpp "#include \"mid.h\"\n#include \"low/low.h\"\n#include \"generated.inc\""
    app/mid/win32/mid_win32.cpp "#include \"../mid.h\"\n#include \"../../low/low.h\""
    app/peer1/p1.cpp "#include \"../mid/mid.h\""
    app/peer2/p2.h "#pragma once"
    app/top/top.cpp "#include \"../peer1/../peer2/p2.h\"\n#include \"mid/win32/../mid.h\"\n// #include \"../top/top.cpp\""
    app/top/top.h "#pragma once"
    app/tests/t.cpp "#include \"../top/top.h\"\n#include \"nowhere.h\""
    app/top/made.cpp "#include \"made/table.h\"\n#include <other/api/api.h>\n#include <app/low/low.h>"
    other/base/o.h "#pragma once"
    other/api/api.h "#pragma once"
    ${ARGN})
  while(files)
    list(POP_FRONT files path text)
    file(WRITE "${tree}/${path}" "${text}\n")
  endwhile()
endfunction()

# Runs the check for `program`; `expect` is PASS or FAIL, and each further argument is a
# text the output must hold.
function(expect_check name program expect)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DROOT=${tree} -DTABLE=${table} -DPROGRAM=${program} -P ${CHECK}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(out "${out}${err}")
  string(REGEX REPLACE "[ \n]+" " " flat "${out}")
  set(ok TRUE)
  if(expect STREQUAL "PASS" AND NOT rc EQUAL 0)
    set(ok FALSE)
  elseif(expect STREQUAL "FAIL" AND rc EQUAL 0)
    set(ok FALSE)
  endif()
  foreach(text IN LISTS ARGN)
    string(FIND "${flat}" "${text}" at)
    if(at LESS 0)
      set(ok FALSE)
      message("  missing: ${text}")
    endif()
  endforeach()
  if(NOT ok)
    message("FAILED ${name} (expected ${expect}, exit ${rc}):\n${out}")
    math(EXPR count "${failures} + 1")
    set(failures ${count} PARENT_SCOPE)
  else()
    message("ok ${name}")
  endif()
endfunction()

plant()
expect_check(clean_tree app PASS "check_layers: 10 files of app include only downward")
expect_check(clean_tree_every_file "*" PASS "all 13 source files of the tree lie in folders of the table")

plant(app/low/bad.cpp "#include \"../top/top.h\"")
expect_check(upward_relative app FAIL
  "app/low/bad.cpp includes app/top/top.h: app/low (rank 0) may only use folders below it, not app/top (rank 3)"
  "1 include(s) against the layers of app")

plant(app/low/win32/w.cpp "#include \"../../mid/mid.h\"")
expect_check(win32_counts_as_its_parent app FAIL
  "app/low/win32/w.cpp includes app/mid/mid.h: app/low (rank 0)")

plant(app/mid/rooted.cpp "#include \"top/top.h\"")
expect_check(upward_from_the_program_root app FAIL
  "app/mid/rooted.cpp includes app/top/top.h: app/mid (rank 1)")

plant(app/peer1/sideways.cpp "#include \"../peer2/p2.h\"")
expect_check(peers_do_not_include_each_other app FAIL
  "app/peer1/sideways.cpp includes app/peer2/p2.h: app/peer1 (rank 2) may only use folders below it, not app/peer2 (rank 2)")

plant(app/top/across.cpp "#include \"../../other/base/o.h\"")
expect_check(programs_share_nothing app FAIL
  "app/top/across.cpp includes other/base/o.h: app shares nothing with other")

plant(app/low/one.cpp "#include \"../mid/mid.h\"\n#include \"../top/top.h\"" app/mid/two.h "#include \"../top/top.h\"")
expect_check(every_violation_is_listed app FAIL
  "3 include(s) against the layers of app" "app/low/one.cpp includes app/mid/mid.h"
  "app/low/one.cpp includes app/top/top.h" "app/mid/two.h includes app/top/top.h")

plant(other/base/up.cpp "#include \"../../app/top/top.h\"")
expect_check(only_the_named_program_is_judged app PASS)
expect_check(the_other_program_is_judged_on_its_own other FAIL
  "other/base/up.cpp includes app/top/top.h: other shares nothing with app")

plant(app/mid/angled.cpp "#include <app/top/top.h>")
expect_check(angle_includes_of_the_tree_are_judged app FAIL
  "app/mid/angled.cpp includes app/top/top.h: app/mid (rank 1) may only use folders below it, not app/top (rank 3)")

plant(app/low/lost.cpp "#include \"missing.h\"\n#include <vector>\n#include <windows.h>")
expect_check(a_quoted_include_that_resolves_nowhere app FAIL
  "app/low/lost.cpp includes \"missing.h\", which is no file of the tree nor a generated header of the table"
  "1 include(s) against the layers of app")

plant(app/mid/loose.cpp "#include \"../../tools/helper.h\"" tools/helper.h "#pragma once"
  app/tools/tool.cpp "#include \"../top/top.h\"")
expect_check(an_include_of_a_folder_outside_the_table app FAIL
  "app/mid/loose.cpp includes tools/helper.h, which lies in no folder of the table")
expect_check(a_folder_missing_from_the_table "*" FAIL
  "2 source file(s) lie in no folder of the table" "app/tools/tool.cpp" "tools/helper.h")

plant(app/top/to_tests.cpp "#include \"../tests/t.cpp\"")
expect_check(unjudged_folders_are_no_library app FAIL
  "app/top/to_tests.cpp includes app/tests/t.cpp: app/tests is not part of any program")

plant(app/top/other_base.cpp "#include <other/base/o.h>")
expect_check(only_the_interface_is_shared app FAIL
  "app/top/other_base.cpp includes other/base/o.h: app shares nothing with other")

plant(app/shared/s.cpp "#include \"../low/low.h\"" app/shared/s.h "#include <other/base/o.h>")
expect_check(a_folder_belongs_to_the_program_the_table_names other FAIL
  "app/shared/s.cpp includes app/low/low.h: other shares nothing with app")

file(REMOVE_RECURSE "${tree}")
file(MAKE_DIRECTORY "${tree}")
expect_check(an_empty_tree_is_no_pass app FAIL "no source files of app")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} case(s) of the layering check failed")
endif()
