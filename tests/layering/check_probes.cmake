# Builds each probe target and passes only if every one fails for a header that is not found.
foreach(probe ${PROBES})
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${probe}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(result EQUAL 0)
        message(FATAL_ERROR "${probe}: built, but its header must be out of reach")
    endif()
    if(NOT output MATCHES "No such file or directory")
        message(FATAL_ERROR "${probe}: failed for another reason:\n${output}")
    endif()
    message(STATUS "${probe}: header out of reach, as it must be")
endforeach()
