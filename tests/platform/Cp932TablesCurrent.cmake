# Runs the code page 932 table generator into SCRATCH and fails unless COMMITTED is byte for
# byte what it wrote. Called as: cmake -DPYTHON=... -DGENERATOR=... -DCOMMITTED=...
# -DSCRATCH=... -P Cp932TablesCurrent.cmake
file(REMOVE ${SCRATCH})
execute_process(COMMAND ${PYTHON} ${GENERATOR} ${SCRATCH} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${GENERATOR} failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH} ${COMMITTED}
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${COMMITTED} is not what ${GENERATOR} writes; run it and commit")
endif()
