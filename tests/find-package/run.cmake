# Installs a build tree into a fresh prefix, then configures, builds and runs
# the consumer project beside this script against that prefix.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DGENERATOR=... -DCXX_COMPILER=...
#         -DBUILD_TYPE=... -DCXX_FLAGS=... -P run.cmake
foreach(var BUILD_DIR WORK_DIR GENERATOR CXX_COMPILER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run.cmake needs -D${var}=...")
  endif()
endforeach()

set(prefix ${WORK_DIR}/prefix)
set(build ${WORK_DIR}/build)
file(REMOVE_RECURSE ${WORK_DIR})

function(run step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${step} failed (${rc})")
  endif()
endfunction()

set(config_args)
if(BUILD_TYPE)
  set(config_args --config ${BUILD_TYPE})
endif()

run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} ${config_args})
run("configure" ${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR} -B ${build} -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
    -DCMAKE_PREFIX_PATH=${prefix} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run("build" ${CMAKE_COMMAND} --build ${build})
run("consumer" ${build}/consumer)
