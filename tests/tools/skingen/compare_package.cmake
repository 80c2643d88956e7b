# Runs the skin generator and compares its package with the committed one.
#   -DSKINGEN=<skingen> -DTHEME=<theme> -DOUTPUT=<package to write> -DEXPECTED=<committed package>
execute_process(COMMAND ${SKINGEN} --theme ${THEME} ${OUTPUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "skingen failed (exit code ${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${EXPECTED} is not what skingen makes; "
                      "regenerate it with: build/native/bin/skingen --theme ${THEME} ${EXPECTED}")
endif()
