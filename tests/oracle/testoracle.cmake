# The tests' own record of the rules a pupil is told: a reader of typed text, a factoriser
# and the limits. The tests and the fuzz target both link it, the fuzzer's clang build too.
include_guard(GLOBAL)

add_library(testoracle STATIC
    ${CMAKE_CURRENT_LIST_DIR}/expectedverdict.cpp ${CMAKE_CURRENT_LIST_DIR}/expectedverdict.h
    ${CMAKE_CURRENT_LIST_DIR}/factorisation.h
    ${CMAKE_CURRENT_LIST_DIR}/limits.h
    ${CMAKE_CURRENT_LIST_DIR}/primereference.cpp ${CMAKE_CURRENT_LIST_DIR}/primereference.h
    ${CMAKE_CURRENT_LIST_DIR}/referencereader.cpp ${CMAKE_CURRENT_LIST_DIR}/referencereader.h
)
set_target_properties(testoracle PROPERTIES AUTOMOC OFF)
get_filename_component(testoracle_root ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
target_include_directories(testoracle PUBLIC ${testoracle_root})
# Only for the Verdict it names; the oracle reads and factorises with nothing of the core's.
target_link_libraries(testoracle PUBLIC worksheet)
