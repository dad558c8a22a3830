# Runs compile_fingerings on a faulty source: it must fail, name the line and the reason,
# and leave no output file.
execute_process(COMMAND ${COMPILER} ${TYPES} ${SOURCE} ${OUTPUT}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(result EQUAL 0)
    message(FATAL_ERROR "accepted ${SOURCE}")
endif()
if(NOT errors MATCHES "${EXPECTED}")
    message(FATAL_ERROR "expected '${EXPECTED}', got '${errors}'")
endif()
if(EXISTS ${OUTPUT})
    message(FATAL_ERROR "left ${OUTPUT} behind")
endif()
