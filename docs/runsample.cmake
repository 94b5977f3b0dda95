# Runs PROGRAM with the list ARGS and keeps what it prints in OUTPUT; fails the build when the
# program fails, so a guide is never built around a broken example.
execute_process(COMMAND ${PROGRAM} ${ARGS}
    OUTPUT_FILE ${OUTPUT}
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGS} failed (${status}): ${errors}")
endif()
