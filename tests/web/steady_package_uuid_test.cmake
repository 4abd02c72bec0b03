# The web build's loader stamp: two loaders that differ only in their random
# package_uuid come out the same, another page or other data gets another
# stamp, and a loader without exactly one stamp stops the build.
# Usage: cmake -DSCRIPT=.../steady_package_uuid.cmake -DWORK=<folder> -P this file
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(loader_text [[var Module={};loadPackage({"files":[],"remote_package_size":4,"package_uuid":"@UUID@"})]])

# steady(<page> <uuid> <data> <result-var> <exit-var>): a loader for <page>
# holding <uuid>, data <data>, run through the script.
function(steady page uuid data result exit_code)
  string(REPLACE "@UUID@" "${uuid}" text "${loader_text}")
  file(WRITE "${WORK}/${page}.js" "${text}")
  file(WRITE "${WORK}/${page}.data" "${data}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DJS=${WORK}/${page}.js -DDATA=${WORK}/${page}.data -P ${SCRIPT}
    RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET)
  file(READ "${WORK}/${page}.js" out)
  set(${result} "${out}" PARENT_SCOPE)
  set(${exit_code} "${code}" PARENT_SCOPE)
endfunction()

steady(shooter 0b1c2d3e-0000-4000-8000-000000000001 "data" first code)
steady(shooter 9f8e7d6c-1111-4111-9111-111111111111 "data" second code2)
if(NOT code EQUAL 0 OR NOT code2 EQUAL 0)
  message(FATAL_ERROR "the script failed on a loader with one stamp")
endif()
if(first MATCHES "0b1c2d3e" OR NOT first MATCHES "\"package_uuid\":\"[0-9a-f]+-[0-9a-f]+-5[0-9a-f]+-")
  message(FATAL_ERROR "the random stamp was not replaced by a name-based one: ${first}")
endif()
if(NOT first STREQUAL second)
  message(FATAL_ERROR "two loaders of the same data differ:\n${first}\n${second}")
endif()
steady(timing_test 0b1c2d3e-0000-4000-8000-000000000001 "data" other_page code)
steady(shooter 0b1c2d3e-0000-4000-8000-000000000001 "other data" other_data code)
if(other_page STREQUAL first OR other_data STREQUAL first)
  message(FATAL_ERROR "another page or other data kept the same stamp")
endif()

file(WRITE "${WORK}/none.js" "var Module={};")
file(WRITE "${WORK}/none.data" "data")
execute_process(COMMAND ${CMAKE_COMMAND} -DJS=${WORK}/none.js -DDATA=${WORK}/none.data -P ${SCRIPT}
  RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET)
if(code EQUAL 0)
  message(FATAL_ERROR "a loader without a stamp passed: a changed packager would go unnoticed")
endif()
file(REMOVE_RECURSE "${WORK}")
