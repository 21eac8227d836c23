# Checks write_tkb_list.cmake: the list names every pattern under D/伴奏 in panel order, an empty list is
# filled, and a list the user already has is kept.
#   cmake -DSCRIPT=... -DNAMES_FILE=... -DWORK_DIR=... -P tkb_list_test.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(D "${WORK_DIR}/Piano Dir")
file(MAKE_DIRECTORY "${D}")

function(run_script)
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DINSTALL_DIR=${D}" "-DNAMES_FILE=${NAMES_FILE}" -P "${SCRIPT}"
                  RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "write_tkb_list.cmake failed: ${result}")
  endif()
endfunction()

# An empty list, as the program leaves when it starts before anything was installed, is filled.
file(WRITE "${D}/TkbFile" "")
run_script()
file(STRINGS "${D}/TkbFile" lines ENCODING UTF-8)
file(STRINGS "${NAMES_FILE}" names ENCODING UTF-8)
list(LENGTH lines count)
if(NOT count EQUAL 11)
  message(FATAL_ERROR "TkbFile has ${count} lines, expected 11")
endif()
foreach(i RANGE 10)
  list(GET lines ${i} line)
  list(GET names ${i} name)
  if(NOT line STREQUAL "${D}/伴奏/${name}")
    message(FATAL_ERROR "line ${i} is '${line}', expected '${D}/伴奏/${name}'")
  endif()
endforeach()

# The user's own list survives a reinstall.
file(WRITE "${D}/TkbFile" "/home/someone/mine.tkb\n")
run_script()
file(READ "${D}/TkbFile" kept)
if(NOT kept STREQUAL "/home/someone/mine.tkb\n")
  message(FATAL_ERROR "the user's TkbFile was replaced: '${kept}'")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
