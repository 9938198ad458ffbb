# Runs the closemidrun driver: closing the window during a run must end the program by
# itself, with status 0, and no ladder step may be drawn after the close.
#   cmake -DDRIVER=path/to/closemidrun [-DDRIVER_ARGS=--local-clock] -P closemidrun.cmake
execute_process(
    COMMAND "${DRIVER}" ${DRIVER_ARGS}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    TIMEOUT 30)
message("${output}${errors}")

if(NOT status STREQUAL "0")
    message(FATAL_ERROR "the program did not end cleanly: ${status}")
endif()
if(NOT output MATCHES "closing the window during the run, with ([0-9]+) divisor lines drawn")
    message(FATAL_ERROR "the window was not closed during a run")
endif()
set(atClose "${CMAKE_MATCH_1}")
if(NOT output MATCHES "the event loop ended with status 0, with ([0-9]+) divisor lines drawn")
    message(FATAL_ERROR "the event loop did not end")
endif()
if(NOT CMAKE_MATCH_1 EQUAL atClose)
    message(FATAL_ERROR "the run went on after the close: ${atClose} then ${CMAKE_MATCH_1} lines")
endif()
