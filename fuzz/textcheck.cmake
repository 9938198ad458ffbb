# The check of typed text that both the corpus replay and the fuzzer run: included by this
# folder's build and by the clang build of the fuzzer.
include(${CMAKE_CURRENT_LIST_DIR}/../tests/oracle/testoracle.cmake)
add_library(textcheck STATIC
    ${CMAKE_CURRENT_LIST_DIR}/textcheck.cpp ${CMAKE_CURRENT_LIST_DIR}/textcheck.h
    ${CMAKE_CURRENT_LIST_DIR}/textgrammar.cpp ${CMAKE_CURRENT_LIST_DIR}/textgrammar.h
)
target_link_libraries(textcheck PUBLIC worksheet testoracle)
